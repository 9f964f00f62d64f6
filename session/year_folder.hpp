// Every employee of the working folder for the quarter and year figures: each profile with the
// register of its frequency, read whole by the strict readers, and the words of what the figures
// note, skip and leave unread.
#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "engine/year_summary.hpp"
#include "records/save.hpp"
#include "records/status.hpp"
#include "session/boxes.hpp"

namespace quillon {

// A register file that holds rows the figures do not read.
struct UnreadRegister {
    enum class Why {
        OtherFrequency,  // the employee is paid at the other frequency now ("Smith.yrw" of a
                         // bi-weekly Smith)
        NoProfile,       // no employee of that name (no ".use" file)
        DefaultFiles,    // the register of the default files (".yrw"), no employee's
    };
    std::string file;  // "Smith.yrw"
    Why why{};
    int rows = 0;  // its rows that are not empty
    friend bool operator==(const UnreadRegister&, const UnreadRegister&) = default;
};

struct YearFolder {
    std::vector<YearEmployee> employees;  // in the order of their base names
    std::vector<UnreadRegister> unread;   // in the order of their file names
};

// Reads every employee of the folder: each base name with a ".use" file, his ".and" (his name),
// ".cfe" (self-employed, "Deduct State"), ".sta" (exempt; without it the default ".sta", as
// opening him would) where they exist, and the register of his frequency (".yrw" weekly,
// ".yrb" otherwise; none is an empty register). Every other register file of the folder is read
// too, and listed in `unread` when it holds rows. A save that was interrupted is finished first,
// as opening an employee does.
//
// All or nothing: a file that cannot be read, or whose content is damaged, refuses the whole
// reading with the error that names it (file, line, field), so that no figure leaves out an
// employee without saying so. Nothing is written (but the interrupted save's own files).
// `held`: the program's own lock on the folder, handed to the finishing of a save.
[[nodiscard]] std::variant<YearFolder, FileError> readYearFolder(
    const std::filesystem::path& folder, const FolderLock* held = nullptr);

// The figures could not be made: which file, where, and that nothing was written.
[[nodiscard]] Message yearFolderRefusedMessage(const FileError& error);

// The words of a note on an employee or on his wage statement (the FormW2 of the same place in
// YearSummary::w2 as the employee in YearSummary::employees), and of a note on the report.
[[nodiscard]] std::string employeeNoteText(const SummaryNote& note, const EmployeeSummary& about);
[[nodiscard]] std::string reportNoteText(const SummaryNote& note);
// "Carver, row 4: "9/30/16" is not a date of 2016 (M/D/YYYY); the row is in no figure."
[[nodiscard]] std::string skippedRowText(const SkippedRow& row);
// "Smith.yrw holds 3 rows, but Smith is paid bi-weekly now: they are in no figure."
[[nodiscard]] std::string unreadRegisterText(const UnreadRegister& unread);

}  // namespace quillon
