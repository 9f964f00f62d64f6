// The parts both command-line programs share.
#include "cli/program.hpp"

#include <cstdio>
#include <ctime>
#include <iostream>

#include "records/fields.hpp"
#include "session/installation.hpp"

namespace quillon {

std::string todayText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_mon + 1) + "/" + std::to_string(local.tm_mday) + "/" +
           std::to_string(local.tm_year + 1900);
}

std::filesystem::path dataFolder(const char* argv0) {
    return dataFolderBeside(programFolder(argv0 != nullptr ? argv0 : ""));
}

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

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::optional<std::filesystem::path> workingFolder(const CommandLine& line,
                                                   std::string_view program) {
    std::error_code ec;
    std::filesystem::path folder =
        line.dir ? std::filesystem::path(*line.dir) : std::filesystem::current_path(ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        std::cerr << program << ": no such folder: " << quotedExcerpt(folder.string()) << '\n';
        return std::nullopt;
    }
    return folder;
}

bool startAndOpen(Session& session, const std::string& name) {
    Outcome started = session.startUp(todayText());
    printMessages(started.messages);
    if (!started.ok) {
        return false;
    }
    Outcome opened = session.openEmployee(name);
    printMessages(opened.messages);
    return opened.ok;
}

bool typeAndCalculate(Session& session, const CommandLine& line) {
    for (std::size_t i = 0; i < line.entries.size(); ++i) {
        Outcome typed = session.typeIntoEntryBox(i, line.entries[i]);
        if (!typed.ok) {
            printMessages(typed.messages);
            return false;
        }
    }
    session.main.opt1x.value = !line.ot2x;
    session.main.opt2x.value = line.ot2x;
    session.main.ckLouisPrior.value = line.louisianaPrior ? 1 : 0;
    if (line.weekEnding) {
        session.main.txtWeek.text = *line.weekEnding;  // the date a posting gives its row
    }
    Outcome calculated = session.calculate();
    printMessages(calculated.messages);
    return calculated.ok;
}

}  // namespace quillon
