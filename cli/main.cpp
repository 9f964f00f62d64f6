// quillon-cli: new and calc over the same session the windows use. Never asks questions.
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_line.hpp"
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

void printMessages(const Messages& messages) {
    for (const Message& m : messages) {
        std::string text = m.text;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n")) {
            text.replace(at, 2, "\n");
        }
        std::cerr << text << '\n';
    }
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
        std::cerr << "quillon-cli: no such folder: " << folder.string() << '\n';
        return 1;
    }

    Session session(folder, dataFolder());
    Outcome started = session.startUp(todayText());
    printMessages(started.messages);

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
        session.main.txtAmount[i].text = line.entries[i];
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
    return 0;
}
