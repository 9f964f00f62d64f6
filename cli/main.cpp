// quillon-cli: new, calc and check over the same session the windows use. Never asks questions.
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_line.hpp"
#include "session/check.hpp"
#include "session/file_menu.hpp"
#include "session/session.hpp"

namespace {

using namespace quillon;

std::string todayText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_mon + 1) + "/" + std::to_string(local.tm_mday) + "/" +
           std::to_string(local.tm_year + 1900);
}

// The program's data folder: the installed one, or the source tree's for a build that was not
// installed.
std::filesystem::path dataFolder() {
    std::filesystem::path installed = QUILLON_INSTALLED_DATA;
    std::error_code ec;
    if (std::filesystem::exists(installed / std::string(kFederalTableFileName), ec)) {
        return installed;
    }
    return std::filesystem::path(QUILLON_SOURCE_DIR) / "data";
}

// A message as the terminal shows it: its lines, and no control character but the line ends.
std::string terminalText(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;  // CR LF ends a line as LF does
        }
        if (text[i] == '\n') {
            out += '\n';
            continue;
        }
        out += excerpt(std::string_view(text).substr(i, 1), 1);
    }
    return out;
}

void printMessages(const Messages& messages) {
    for (const Message& m : messages) {
        std::cerr << terminalText(m.text) << '\n';
    }
}

// `check`: one line per file that cannot be read whole; 0 when every file reads.
int check(const std::filesystem::path& folder, const std::vector<std::string>& names) {
    CheckReport report = checkEmployeeFiles(folder, names);
    bool ok = report.damaged.empty();
    if (report.recovery.error) {
        std::cout << terminalText(report.recovery.error->describe()) << '\n';
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

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
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

    std::error_code ec;
    std::filesystem::path folder =
        line.dir ? std::filesystem::path(*line.dir) : std::filesystem::current_path(ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        std::cerr << "quillon-cli: no such folder: " << quotedExcerpt(folder.string()) << '\n';
        return 1;
    }
    if (line.command == CommandLine::Command::Check) {
        return check(folder, line.names);
    }

    Session session(folder, dataFolder());
    Outcome started = session.startUp(todayText());
    printMessages(started.messages);
    if (!started.ok) {
        return 1;
    }

    if (line.command == CommandLine::Command::New) {
        CommandLineAnswers answers(line.name);
        WorkflowEnd created = fileNew(session, answers);
        printMessages(created.outcome.messages);
        return created.outcome.ok ? 0 : 1;
    }

    Outcome opened = session.openEmployee(line.name);
    printMessages(opened.messages);
    if (!opened.ok) {
        return 1;
    }
    for (std::size_t i = 0; i < line.entries.size(); ++i) {
        Outcome typed = session.typeIntoEntryBox(i, line.entries[i]);
        if (!typed.ok) {
            printMessages(typed.messages);
            return 1;
        }
    }
    session.main.opt1x.value = !line.ot2x;
    session.main.opt2x.value = line.ot2x;
    session.main.ckLouisPrior.value = line.louisianaPrior ? 1 : 0;
    if (line.weekEnding) {
        session.main.txtWeek.text = *line.weekEnding;
    }
    Outcome calculated = session.calculate();
    printMessages(calculated.messages);
    if (!calculated.ok) {
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
    // Results that did not reach their reader are a failure too (a full disk, a closed pipe).
    std::cout.flush();
    return std::cout ? 0 : 1;
}
