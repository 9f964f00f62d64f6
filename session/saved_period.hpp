// "Save This Pay Period" and "Get Pay Period": the period the main window shows kept in a file of
// its own, named by the employee and the week-ending date ("Baker  12_30_2016.prv"), and shown
// on the main window again later to look at or reprint it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "session/questions.hpp"

namespace quillon {

class Session;
struct Outcome;  // session/session.hpp

inline constexpr const char* kSavePeriodButton = "Save This Pay Period";
inline constexpr const char* kGetPeriodButton = "Get Pay Period";
inline constexpr const char* kPeriodFileFilter = "Saved Files (*.prv)";
inline constexpr std::string_view kPeriodFileExtension = ".prv";
// The figures of a period read back: two decimals, no thousands separator, no dollar sign.
inline constexpr std::string_view kSavedFigureFormat = "#####.00";

// The saved-period file of the open employee for a week-ending text: folder / "NAME  DATE.prv",
// the date with "/" (and any other character a file name cannot hold) turned into "_".
[[nodiscard]] std::filesystem::path periodFile(const Session& session, std::string_view weekEnding);

// SavePeriod ("Save This Pay Period"): the eight entry boxes, result rows 0 to 10, SDI, SUI, the
// cafeteria plan, gross, taxes, deductions and net, each as the main window shows it, into the
// period's file, which is created or replaced. Empty boxes and figures are written as 0 and then
// show "0". Shows no message when it worked. Refused with a message, nothing written or changed:
// an empty week-ending date, or one that cannot name a file (\ : * ? " < > |, control
// characters, too long); an entry box that is not a number a period holds (badBox names it);
// a file that cannot be written.
Outcome SavePeriod(Session& session);

// The file dialog of "Get Pay Period": "Saved Files (*.prv)" in the working folder.
[[nodiscard]] FileQuestion getPeriodQuestion(const Session& session);
// GetPeriod ("Get Pay Period"): the file dialog, then the chosen file shown. Cancelled: nothing
// changes.
Outcome GetPeriod(Session& session, Questions& questions);
// The chosen file shown on the main window: each entry box its number in its shortest decimal
// form, the result rows, SDI, SUI, cafeteria, gross, taxes, deductions and net as "#####.00",
// the week-ending box the date of the file's name. Only the display changes: the results of the
// last calculation stay what they were. A file that cannot be read, is damaged (its line named)
// or whose name carries no date is refused with a message, and nothing on the main window
// changes. The working folder does not move.
Outcome GetPeriod(Session& session, const std::filesystem::path& file);
// The week-ending date a saved period's file name carries: the text between the last two blanks
// and ".prv", "_" turned back into "/" ("Baker  12_30_2016.prv" -> "12/30/2016"); nullopt for a
// name that is not one of a saved period.
[[nodiscard]] std::optional<std::string> periodDate(std::string_view fileName);

}  // namespace quillon
