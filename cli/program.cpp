// The parts both command-line programs share.
#include "cli/program.hpp"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iostream>

#include "records/fields.hpp"
#include "session/installation.hpp"
#include "session/register_window.hpp"

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
    std::string_view rest = text;
    // Line by line: a CR LF ends a line as an LF does; within a line everything is escaped.
    while (!rest.empty()) {
        std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        out += escapedText(line);
        if (end == std::string_view::npos) {
            break;
        }
        out += '\n';
        rest.remove_prefix(end + 1);
    }
    return out;
}

void Terminal::tell(const Messages& messages) {
    for (const Message& m : messages) {
        if (std::find(told_.begin(), told_.end(), m.text) != told_.end()) {
            continue;
        }
        told_.push_back(m.text);
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

bool startAndOpen(Session& session, Terminal& terminal, const std::string& name) {
    Outcome locked = session.holdFolderLock();
    terminal.tell(locked.messages);
    if (!locked.ok) {
        return false;
    }
    Outcome started = session.startUp(todayText());
    terminal.tell(started.messages);
    if (!started.ok) {
        return false;
    }
    Outcome opened = session.openEmployee(name);
    terminal.tell(opened.messages);
    return opened.ok;
}

bool typeAndCalculate(Session& session, Terminal& terminal, const CommandLine& line) {
    for (std::size_t i = 0; i < line.entries.size(); ++i) {
        Outcome typed = session.typeIntoEntryBox(i, line.entries[i]);
        if (!typed.ok) {
            terminal.tell(typed.messages);
            return false;
        }
    }
    (void)session.selectOvertimeTimes(!line.ot2x);
    (void)session.louisianaPriorChanged(line.louisianaPrior);
    if (line.weekEnding) {
        (void)session.weekEndingGiven(*line.weekEnding);  // the date a posting gives its row
    }
    Outcome calculated =
        line.postRow ? calculateAndPost(session, *line.postRow) : session.calculate();
    terminal.tell(calculated.messages);
    return calculated.ok;
}

PrintProgramPath printProgramPath(const std::filesystem::path& self, std::string_view argv0,
                                  const std::filesystem::path& current) {
    constexpr const char* kPrintProgram = "quillon-print";
    if (self.is_absolute()) {
        return {self.parent_path() / kPrintProgram, {}};
    }
    if (argv0.find('/') != std::string_view::npos) {
        const std::filesystem::path started(argv0);
        const std::filesystem::path absolute = started.is_absolute() ? started : current / started;
        return {absolute.lexically_normal().parent_path() / kPrintProgram, {}};
    }
    return {std::nullopt,
            std::string("cannot tell where ") + kPrintProgram +
                " is: /proc/self/exe cannot be read and the program was started by its bare name " +
                quotedExcerpt(argv0) + ". Start quillon-cli by its path (for example " +
                "/usr/local/bin/quillon-cli) to print or export."};
}

}  // namespace quillon
