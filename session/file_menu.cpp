#include "session/file_menu.hpp"

#include <utility>

#include "records/files.hpp"
#include "session/register_window.hpp"

namespace quillon {
namespace {

constexpr const char* kCrLf = "\r\n";

// The save-user dialog as it loads now: its name box holds the open employee's name.
SaveUserEnd askToSave(Session& session, Questions& questions) {
    SaveUserDialog dialog(session.UserFile);
    return questions.showSaveUser(dialog);
}

WorkflowEnd endOfProgram() {
    return WorkflowEnd{Outcome{}, true};
}

// A caption with its access-key marker taken out: "C&hecks" is "Checks".
std::string withoutAccessKey(std::string_view caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        text += caption[i];
    }
    return text;
}

}  // namespace

Message savePreviousUserQuestion() {
    return Message{MessageKind::YesNo, kSavePreviousUserQuestion, kSaveQuestionTitle};
}

Message replaceEmployeeQuestion(const std::string& name) {
    Message question{MessageKind::YesNo,
                     excerpt(name) + " already has files in this folder. Replace them with the " +
                         "open employee's settings?",
                     kSaveUserCaption};
    question.noByDefault = true;
    return question;
}

bool employeeHasFiles(const Session& session, const std::string& name) {
    for (const char* ext :
         {".use", ".and", ".cfe", ".ovw", ".ovb", ".sta", ".cti", ".nci", ".hol", ".yrw", ".yrb"}) {
        if (fileExists(employeeFile(session.folder, name, ext))) {
            return true;
        }
    }
    return false;
}

Message saveSettingsQuestion() {
    return Message{MessageKind::YesNo, kSaveSettingsQuestion, kSaveQuestionTitle};
}

TextQuestion newUserQuestion() {
    return TextQuestion{kNewUserPrompt, kNewUserTitle};
}

FileQuestion openEmployeeQuestion(const Session& session) {
    return FileQuestion{kEmployeeFileFilter, session.folder};
}

WorkflowEnd fileNew(Session& session, Questions& questions) {
    if (questions.askYesNo(savePreviousUserQuestion()) &&
        askToSave(session, questions) == SaveUserEnd::Quit) {
        return endOfProgram();
    }
    std::optional<std::string> name = questions.askText(newUserQuestion());
    if (!name) {
        // Cancelled: the open employee stays, and no default file is written.
        return {};
    }
    if (Outcome kept = offerToSaveRegister(session, questions); !kept.ok) {
        return WorkflowEnd{std::move(kept), false};
    }
    return WorkflowEnd{session.newEmployee(*name), false};
}

WorkflowEnd fileOpen(Session& session, Questions& questions) {
    if (askToSave(session, questions) == SaveUserEnd::Quit) {
        return endOfProgram();
    }
    std::optional<std::filesystem::path> chosen = questions.askFile(openEmployeeQuestion(session));
    if (!chosen) {
        return {};
    }
    const std::string fileName = chosen->filename().string();
    const std::size_t nameLength = fileName.size() - kEmployeeFileExtension.size();
    if (fileName.size() <= kEmployeeFileExtension.size() ||
        fileName.compare(nameLength, std::string::npos, kEmployeeFileExtension) != 0) {
        return WorkflowEnd{
            Outcome{false,
                    {Message{MessageKind::Ok,
                             quotedExcerpt(fileName) + " is not an employee's file." + kCrLf +
                                 "Choose the employee's " + std::string(kEmployeeFileExtension) +
                                 " file.",
                             kProgramTitle}}},
            false};
    }
    if (Outcome kept = offerToSaveRegister(session, questions); !kept.ok) {
        return WorkflowEnd{std::move(kept), false};
    }
    std::filesystem::path previousFolder = session.folder;
    if (chosen->has_parent_path()) {
        session.folder = chosen->parent_path();
    }
    Outcome opened = session.openEmployee(fileName.substr(0, nameLength));
    if (!opened.ok) {
        session.folder = std::move(previousFolder);
    }
    return WorkflowEnd{std::move(opened), false};
}

WorkflowEnd fileSave(Session& session, Questions& questions) {
    if (askToSave(session, questions) == SaveUserEnd::Quit) {
        return endOfProgram();
    }
    return {};
}

WorkflowEnd fileExit(Session& session, Questions& questions) {
    if (questions.askYesNo(saveSettingsQuestion())) {
        (void)askToSave(session, questions);
    }
    if (Outcome kept = offerToSaveRegister(session, questions); !kept.ok) {
        return WorkflowEnd{std::move(kept), false};  // the program stays with the register
    }
    return endOfProgram();
}

Outcome saveUserDialogSave(Session& session, const SaveUserDialog& dialog, Questions& questions) {
    const std::string& name = dialog.txtUser.text;
    // Another employee's files are replaced only when the operator says so; the default files
    // (the empty name) are no employee's.
    if (!name.empty() && name != session.UserFile && employeeHasFiles(session, name) &&
        !questions.askYesNo(replaceEmployeeQuestion(name))) {
        return Outcome{false, {}};
    }
    return session.saveAction(name);
}

Message aboutMessage(std::string_view version) {
    return Message{MessageKind::Ok,
                   std::string(kProgramTitle) + kCrLf + "Version " + std::string(version) + kCrLf +
                       kCrLf +
                       "A payroll calculator for the 2016 tax year: federal, Social Security, "
                       "Medicare, state and local withholding for one employee and one pay "
                       "period at a time." +
                       kCrLf + kCrLf +
                       "Check every figure against the current tax tables (IRS Publication 15 "
                       "and your state's and city's tables) before you pay it. Tax tables change; "
                       "this program does not know when they do.",
                   std::string("About ") + kProgramTitle};
}

Message notBuiltYetMessage(std::string_view caption) {
    return Message{MessageKind::Ok,
                   "\"" + withoutAccessKey(caption) + "\" is not built yet in this version of " +
                       kProgramTitle + ".",
                   kProgramTitle};
}

}  // namespace quillon
