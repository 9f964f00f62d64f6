// The File menu's workflows, New, Open, Save and Exit, and the save-user dialog's "&Save". Each
// puts its questions to a Questions object and goes on with the answers; what it changes is the
// session's.
#pragma once

#include <string>
#include <string_view>

#include "session/questions.hpp"
#include "session/save_user_dialog.hpp"
#include "session/session.hpp"

namespace quillon {

inline constexpr const char* kSaveQuestionTitle = "Save?";
inline constexpr const char* kSavePreviousUserQuestion = "........SAVE PREVIOUS USER?";
inline constexpr const char* kSaveSettingsQuestion = "     SAVE USER'S SETTINGS?";
inline constexpr const char* kNewUserPrompt = "Enter new user:";
inline constexpr const char* kNewUserTitle = "File New";
inline constexpr const char* kEmployeeFileFilter = "Saved Files (*.use)";
inline constexpr std::string_view kEmployeeFileExtension = ".use";

[[nodiscard]] Message savePreviousUserQuestion();
// "Employee2 already has files in this folder. Replace them with the open employee's
// settings?" (Yes, No; No the default).
[[nodiscard]] Message replaceEmployeeQuestion(const std::string& name);
// True when the folder holds any file of the employee `name` (his profile, settings, vacation
// or register files).
[[nodiscard]] bool employeeHasFiles(const Session& session, const std::string& name);
[[nodiscard]] Message saveSettingsQuestion();
[[nodiscard]] TextQuestion newUserQuestion();
[[nodiscard]] FileQuestion openEmployeeQuestion(const Session& session);

// How a workflow ended: the messages to show, and whether the program ends now (Exit, or
// "&Quit" in the save-user dialog).
struct WorkflowEnd {
    Outcome outcome;
    bool endProgram = false;
};

// File > New: "SAVE PREVIOUS USER?" (Yes shows the save-user dialog), the name prompt, then the
// new employee, whose files are written at once. A cancelled name prompt ends New with nothing
// changed. New, Open and Exit first offer to save a register window with unsaved changes
// ("     Do you want to save YTD"); a save that fails stops them.
WorkflowEnd fileNew(Session& session, Questions& questions);
// File > Open: the save-user dialog, then the file dialog. The working folder moves to the
// chosen file's folder and the employee is opened; a cancelled dialog changes nothing, and an
// employee that cannot be opened leaves the working folder where it was.
WorkflowEnd fileOpen(Session& session, Questions& questions);
// File > Save: the save-user dialog.
WorkflowEnd fileSave(Session& session, Questions& questions);
// File > Exit and the main window's close box: "SAVE USER'S SETTINGS?" (Yes shows the save-user
// dialog); then the program ends, whatever the answers.
WorkflowEnd fileExit(Session& session, Questions& questions);

// The save-user dialog's "&Save": every file of the employee under the name box's text. Under
// the name of another employee who has files in the folder it asks first
// (replaceEmployeeQuestion); No saves nothing and ends with ok false and no message. The
// dialog closes when it worked and stays open (with the messages) when it did not.
[[nodiscard]] Outcome saveUserDialogSave(Session& session, const SaveUserDialog& dialog,
                                         Questions& questions);

// Help > About, and the entries whose windows this version does not have yet.
[[nodiscard]] Message aboutMessage(std::string_view version);
[[nodiscard]] Message notBuiltYetMessage(std::string_view caption);

}  // namespace quillon
