// quillon-cli: new, calc, check, heading and register over the same session the windows use.
// Never asks questions. The printouts and the spreadsheet export run in quillon-print, which it
// hands over to.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_line.hpp"
#include "cli/opening_command.hpp"
#include "cli/summary_command.hpp"
#include "cli/program.hpp"
#include "records/save.hpp"
#include "session/check.hpp"
#include "session/file_menu.hpp"
#include "session/printing.hpp"
#include "session/register_window.hpp"
#include "session/session.hpp"

namespace {

using namespace quillon;

constexpr const char* kPrintProgram = "quillon-print";

// `check`: one line per file that cannot be read whole; 0 when every file reads. The folder's
// lock is held throughout, so no save of another program is read half done.
int check(const std::filesystem::path& folder, const std::vector<std::string>& names) {
    const FolderLock lock(folder);
    if (!lock.ok()) {
        std::cerr << "quillon-cli: cannot open the folder " << quotedExcerpt(folder.string())
                  << ": " << std::strerror(lock.error()) << '\n';
        return 1;
    }
    CheckReport report = checkEmployeeFiles(folder, names, &lock);
    bool ok = report.damaged.empty();
    if (report.recovery.status.failed()) {
        std::cout << terminalText(report.recovery.status.error().describe()) << '\n';
        ok = false;
    } else if (report.recovery.found == Recovery::Found::Finished) {
        std::cerr << "quillon-cli: finished an interrupted save (" << report.recovery.files
                  << " files)\n";
    } else if (report.recovery.found == Recovery::Found::Discarded) {
        std::cerr << "quillon-cli: discarded an interrupted save that was not complete ("
                  << report.recovery.files << " files)\n";
    }
    for (const FileError& error : report.damaged) {
        std::cout << terminalText(error.describe()) << '\n';
    }
    std::cout.flush();
    return ok && std::cout ? 0 : 1;
}

// Results that did not reach their reader are a failure too (a full disk, a closed pipe).
int flushed() {
    std::cout.flush();
    return std::cout ? 0 : 1;
}

// The result area as the main window shows it, in the order scripts rely on.
std::vector<std::pair<std::string, std::string>> resultArea(const MainWindow& w) {
    std::vector<std::pair<std::string, std::string>> items = {
        {"fed", w.lbTaxDed[0].caption},
        {"socsec", w.lbTaxDed[1].caption},
        {"medicare", w.lbTaxDed[2].caption},
        {"state", w.lbTaxDed[3].caption},
        {"city", w.lbTaxDed[4].caption},
        {"ded5", w.lbTaxDed[5].caption},
        {"ded6", w.lbTaxDed[6].caption},
        {"ded7", w.lbTaxDed[7].caption},
        {"ded8", w.lbTaxDed[8].caption},
        {"ded9", w.lbTaxDed[9].caption},
        {"kplan", w.lbTaxDed[10].caption},
        {"sdi", w.lbSDI.caption},
        {"sui", w.lbSUI.caption},
        {"cafe", w.lbCafe.caption},
        {"gross", w.Label13.caption},
        {"taxes", w.lbTaxes.caption},
        {"deductions", w.lbDeduct.caption},
        {"net", w.lbNet.caption},
        {"overtime", w.lbOverT.caption},
        {"tips", w.lbTips.caption},
    };
    return items;
}

// `register`: the used rows and the totals as the register window shows them after opening.
int printRegister(Session& session, Terminal& terminal, bool json) {
    Outcome opened = openRegisterWindow(session);
    terminal.tell(opened.messages);
    if (!opened.ok) {
        return 1;
    }
    const RegisterWindow& w = *session.registerWindow;
    if (json) {
        std::cout << "{\"rows\":[";
        for (int row = 1; row <= w.usedRows(); ++row) {
            std::cout << (row > 1 ? "," : "") << "{\"row\":" << row;
            for (const auto& [field, text] : w.rowInFileOrder(row, session.yearRegister)) {
                std::cout << ',' << jsonString(field) << ':' << jsonString(text);
            }
            std::cout << '}';
        }
        std::cout << "],\"totals\":{";
        bool first = true;
        for (const auto& [total, text] : w.totalsInFileOrder()) {
            std::cout << (first ? "" : ",") << jsonString(total) << ':' << jsonString(text);
            first = false;
        }
        std::cout << "}}\n";
        return flushed();
    }
    for (int row = 1; row <= w.usedRows(); ++row) {
        std::cout << row;
        for (const auto& field : w.rowInFileOrder(row, session.yearRegister)) {
            std::cout << '\t' << terminalText(field.second);
        }
        std::cout << '\n';
    }
    std::cout << "TOTALS";
    for (const auto& total : w.totalsInFileOrder()) {
        std::cout << '\t' << terminalText(total.second);
    }
    std::cout << '\n';
    return flushed();
}

// `heading`: the company heading of the folder, one `key<TAB>text` line per field. With any of
// its options, the heading dialog's boxes are set to them and "OK" saves Header.sav first; the
// fields not given keep what the dialog shows (the defaults where they are empty).
int heading(const std::filesystem::path& folder, const std::filesystem::path& data,
            Terminal& terminal, const CommandLine& line) {
    Session session(folder, data);
    if (Outcome locked = session.holdFolderLock(); !locked.ok) {
        terminal.tell(locked.messages);
        return 1;
    }
    bool setting = false;
    for (const auto& box : line.heading) {
        setting = setting || box.has_value();
    }
    Outcome outcome = setting ? openHeadingDialog(session) : ReadHeading(session);
    if (setting && outcome.ok) {
        for (std::size_t i = 0; i < line.heading.size(); ++i) {
            if (line.heading[i]) {
                session.headingDialog.model->txtHeader[i].text = *line.heading[i];
            }
        }
        outcome = headingDialogOK(session);
    }
    terminal.tell(outcome.messages);
    if (!outcome.ok) {
        return 1;
    }
    if (!fileExists(folder / std::string(kHeadingFileName))) {
        std::cerr << "quillon-cli: there is no " << kHeadingFileName
                  << " in the folder: the printouts have an empty heading\n";
    }
    const CompanyHeading& h = session.heading;
    const std::pair<const char*, const std::string*> fields[] = {{"company", &h.HeadCompany},
                                                                 {"address", &h.HeadAddress},
                                                                 {"zip", &h.HeadZip},
                                                                 {"id", &h.HeadId}};
    for (const auto& [key, text] : fields) {
        std::cout << key << '\t' << terminalText(*text) << '\n';
    }
    return flushed();
}

// `print` and `export` run in quillon-print, beside this program, with the same arguments. It is
// started by its absolute path only, never by a bare name that the current folder could answer.
int handOverToPrintProgram(char** argv) {
    std::error_code noSelf;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", noSelf);
    std::error_code ec;
    const std::filesystem::path current = std::filesystem::current_path(ec);
    const PrintProgramPath found =
        printProgramPath(noSelf ? std::filesystem::path() : self, argv[0], current);
    if (!found.path) {
        std::cerr << "quillon-cli: " << terminalText(found.problem) << '\n';
        return 1;
    }
    const std::filesystem::path& program = *found.path;
    if (!std::filesystem::is_regular_file(program, ec)) {
        std::cerr << "quillon-cli: " << kPrintProgram << " is missing: it writes the printouts "
                  << "and the spreadsheet export, and belongs beside quillon-cli at "
                  << quotedExcerpt(program.string(), 200) << ".\n";
        return 1;
    }
    const std::string path = program.string();
    std::vector<char*> arguments;
    arguments.push_back(const_cast<char*>(path.c_str()));
    for (char** arg = argv + 1; *arg != nullptr; ++arg) {
        arguments.push_back(*arg);
    }
    arguments.push_back(nullptr);
    ::execv(path.c_str(), arguments.data());
    std::cerr << "quillon-cli: cannot start " << quotedExcerpt(path, 200) << ": "
              << std::strerror(errno) << '\n';
    return 1;
}

// File > New as the windows run it, with the answers of the command line: the previous employee
// is not saved (the tool saves nothing it was not asked to), and the name is the one given.
class CommandLineAnswers : public Questions {
  public:
    explicit CommandLineAnswers(std::string name) : name_(std::move(name)) {}
    bool askYesNo(const Message&) override { return false; }
    std::optional<std::string> askText(const TextQuestion&) override { return name_; }
    std::optional<std::filesystem::path> askFile(const FileQuestion&) override {
        return std::nullopt;
    }
    SaveUserEnd showSaveUser(SaveUserDialog&) override { return SaveUserEnd::No; }

  private:
    std::string name_;
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    ParseResult parsed = parseCommandLine(args);
    if (!parsed.commandLine) {
        std::cerr << "quillon-cli: " << parsed.error << '\n' << kUsage;
        return 2;
    }
    const CommandLine& line = *parsed.commandLine;
    if (runsInPrintProgram(line)) {
        return handOverToPrintProgram(argv);
    }

    const std::optional<std::filesystem::path> folder = workingFolder(line, "quillon-cli");
    if (!folder) {
        return 1;
    }
    if (line.command == CommandLine::Command::Check) {
        return check(*folder, line.names);
    }
    if (line.command == CommandLine::Command::Summary) {
        return summaryCommand(line, *folder, nullptr);
    }

    Terminal terminal;
    if (line.command == CommandLine::Command::Heading) {
        return heading(*folder, dataFolder(argv[0]), terminal, line);
    }

    Session session(*folder, dataFolder(argv[0]));
    if (line.command == CommandLine::Command::New) {
        Outcome started = session.holdFolderLock();
        if (started.ok) {
            started = session.startUp(todayText());
        }
        terminal.tell(started.messages);
        if (!started.ok) {
            return 1;
        }
        CommandLineAnswers answers(line.name);
        WorkflowEnd created = fileNew(session, answers);
        terminal.tell(created.outcome.messages);
        return created.outcome.ok ? 0 : 1;
    }

    if (!startAndOpen(session, terminal, line.name)) {
        return 1;
    }
    if (line.command == CommandLine::Command::Register) {
        return printRegister(session, terminal, line.json);
    }
    if (line.command == CommandLine::Command::Opening) {
        return openingCommand(session, terminal, line);
    }
    if (line.postRow && *line.postRow > session.registerRows()) {
        std::cerr << "quillon-cli: --post " << *line.postRow << ": the register of "
                  << quotedExcerpt(line.name) << " has rows 1 to " << session.registerRows() << " ("
                  << (session.profile.PayWeekly ? "weekly" : "bi-weekly") << ")\n"
                  << kUsage;
        return 2;
    }
    if (!typeAndCalculate(session, terminal, line)) {
        return 1;
    }

    auto items = resultArea(session.main);
    if (line.json) {
        std::cout << '{';
        for (std::size_t i = 0; i < items.size(); ++i) {
            std::cout << (i ? "," : "") << jsonString(items[i].first) << ':'
                      << jsonString(items[i].second);
        }
        std::cout << "}\n";
    } else {
        for (const auto& [key, text] : items) {
            std::cout << key << '\t' << text << '\n';
        }
    }
    return flushed();
}
