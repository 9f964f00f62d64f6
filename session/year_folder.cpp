// Reading the folder for the quarter and year figures, and the words of their notes.
#include "session/year_folder.hpp"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>

#include "engine/money.hpp"
#include "records/fields.hpp"
#include "records/files.hpp"
#include "records/profile.hpp"
#include "records/save.hpp"
#include "session/session.hpp"

namespace quillon {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr std::string_view kWeeklyRegister = ".yrw";
constexpr std::string_view kBiWeeklyRegister = ".yrb";

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string baseOf(std::string_view fileName, std::string_view extension) {
    return std::string(fileName.substr(0, fileName.size() - extension.size()));
}

int rowsOf(std::string_view registerExtension) {
    return registerExtension == kWeeklyRegister ? kWeeklyRows : kBiWeeklyRows;
}

// The names in the folder, sorted.
std::variant<std::vector<std::string>, FileError> fileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    if (error) {
        return FileError{folder.string(), 0, 0, "cannot list the folder: " + error.message()};
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A register file read whole, its used rows only.
std::variant<std::vector<RegisterRow>, FileError> registerRows(const std::filesystem::path& file,
                                                               int rows) {
    Register read;
    if (Status status = readRegisterFile(file, read, rows); status.failed()) {
        return status.error();
    }
    return std::vector<RegisterRow>(read.rows.begin(), read.rows.begin() + rows);
}

int rowsHeld(const std::vector<RegisterRow>& rows) {
    return static_cast<int>(std::count_if(
        rows.begin(), rows.end(), [](const RegisterRow& row) { return !emptyRegisterRow(row); }));
}

// What an employee without a state file is exempt by: the default state file's field, as
// opening him takes it, else not exempt. Read once, when first needed.
class DefaultExemption {
  public:
    explicit DefaultExemption(std::filesystem::path folder) : folder_(std::move(folder)) {}

    std::variant<bool, FileError> get() {
        if (!exempt_) {
            const std::filesystem::path file = employeeFile(folder_, "", ".sta");
            Profile fields;
            if (fileExists(file)) {
                StateSettings settings;
                if (Status status = readStateFile(file, settings, fields); status.failed()) {
                    return status.error();
                }
            }
            exempt_ = fields.SSMediExempt != 0;
        }
        return *exempt_;
    }

  private:
    std::filesystem::path folder_;
    std::optional<bool> exempt_;
};

// One employee's profile files and his register; the other frequency's register is handed
// back in `other` when it holds rows.
std::optional<FileError> readEmployee(const std::filesystem::path& folder, const std::string& name,
                                      DefaultExemption& defaultExemption, YearEmployee& e,
                                      std::optional<UnreadRegister>& other) {
    auto at = [&](std::string_view ext) { return employeeFile(folder, name, ext); };
    Profile p;
    StateSettings s;
    Status status = readUseFile(at(".use"), p, s);
    if (status.ok() && fileExists(at(".and"))) {
        status = readAndFile(at(".and"), p, s);
    }
    if (status.ok() && fileExists(at(".cfe"))) {
        status = readCfeFile(at(".cfe"), p);
    }
    if (status.ok() && fileExists(at(".sta"))) {
        status = readStateFile(at(".sta"), s, p);
    } else if (status.ok()) {
        auto exempt = defaultExemption.get();
        if (auto* error = std::get_if<FileError>(&exempt)) {
            return *error;
        }
        p.SSMediExempt = std::get<bool>(exempt) ? 1 : 0;
    }
    if (status.failed()) {
        return status.error();
    }

    e.userFile = name;
    e.EmpName = p.EmpName;
    e.DedName8 = p.DedName8;
    e.DedName9 = p.DedName9;
    e.SSMediExempt = p.SSMediExempt != 0;
    e.SelfEmployed = p.SelfEmployed != 0;
    e.CafeDeductState = p.CafeDeductState != 0;
    // The frequency picks the register as opening the employee does: weekly, else bi-weekly.
    e.biWeekly = !p.PayWeekly;
    const std::string_view own = p.PayWeekly ? kWeeklyRegister : kBiWeeklyRegister;
    const std::string_view otherExt = p.PayWeekly ? kBiWeeklyRegister : kWeeklyRegister;
    e.rows.assign(static_cast<std::size_t>(rowsOf(own)), RegisterRow{});
    if (fileExists(at(own))) {
        auto rows = registerRows(at(own), rowsOf(own));
        if (auto* error = std::get_if<FileError>(&rows)) {
            return *error;
        }
        e.rows = std::move(std::get<std::vector<RegisterRow>>(rows));
    }
    if (fileExists(at(otherExt))) {
        auto rows = registerRows(at(otherExt), rowsOf(otherExt));
        if (auto* error = std::get_if<FileError>(&rows)) {
            return *error;
        }
        if (const int held = rowsHeld(std::get<std::vector<RegisterRow>>(rows)); held > 0) {
            other = UnreadRegister{name + std::string(otherExt),
                                   UnreadRegister::Why::OtherFrequency, held};
        }
    }
    return std::nullopt;
}

std::string amountText(Currency amount) {
    return format(amount, "#,###.00");
}

std::string employeeName(const EmployeeSummary& e) {
    return e.EmpName.empty() ? e.userFile : e.EmpName;
}

// A deduction by its name, or by its place when it has none.
std::string deductionName(const std::string& name, const char* place) {
    return name.empty() ? std::string(place) : "\"" + name + "\" (" + place + ")";
}

}  // namespace

std::variant<YearFolder, FileError> readYearFolder(const std::filesystem::path& folder,
                                                   const FolderLock* lock) {
    if (Recovery recovery = finishInterruptedSave(folder, lock); recovery.status.failed()) {
        return recovery.status.error();
    }
    auto listed = fileNames(folder);
    if (auto* error = std::get_if<FileError>(&listed)) {
        return *error;
    }
    const std::vector<std::string>& names = std::get<std::vector<std::string>>(listed);

    YearFolder read;
    std::set<std::string> profiles;
    for (const std::string& name : names) {
        if (endsWith(name, ".use") && name.size() > 4) {
            profiles.insert(baseOf(name, ".use"));
        }
    }
    DefaultExemption defaultExemption(folder);
    std::map<std::string, UnreadRegister> unread;  // by file name
    for (const std::string& name : profiles) {
        YearEmployee e;
        std::optional<UnreadRegister> other;
        if (auto error = readEmployee(folder, name, defaultExemption, e, other)) {
            return *error;
        }
        if (other) {
            unread.emplace(other->file, *other);
        }
        read.employees.push_back(std::move(e));
    }
    // The registers no employee's profile leads to.
    for (const std::string& name : names) {
        for (std::string_view ext : {kWeeklyRegister, kBiWeeklyRegister}) {
            if (!endsWith(name, ext)) {
                continue;
            }
            const std::string base = baseOf(name, ext);
            if (!base.empty() && profiles.count(base) != 0) {
                continue;  // the employee's own or his other frequency's, read above
            }
            auto rows = registerRows(folder / name, rowsOf(ext));
            if (auto* error = std::get_if<FileError>(&rows)) {
                return *error;
            }
            if (const int held = rowsHeld(std::get<std::vector<RegisterRow>>(rows)); held > 0) {
                unread.emplace(name, UnreadRegister{name,
                                                    base.empty() ? UnreadRegister::Why::DefaultFiles
                                                                 : UnreadRegister::Why::NoProfile,
                                                    held});
            }
        }
    }
    for (auto& [file, register_] : unread) {
        read.unread.push_back(std::move(register_));
    }
    return read;
}

Message yearFolderRefusedMessage(const FileError& error) {
    return Message{MessageKind::Ok,
                   "The quarter and year figures were not made: a file of the folder could not "
                   "be read." +
                       std::string(kCrLf) + error.describe() + kCrLf +
                       "Correct the file or put back a copy of it; nothing was written.",
                   kProgramTitle};
}

std::string employeeNoteText(const SummaryNote& note, const EmployeeSummary& about) {
    const std::string who = employeeName(about);
    const std::string amount = amountText(note.amount);
    switch (note.kind) {
        case SummaryNoteKind::SelfEmployed:
            return who +
                   " is self-employed: on no line of Form 941 and no Form W-2. His Social "
                   "Security and Medicare were withheld at the self-employed rates.";
        case SummaryNoteKind::ExemptButWithheld:
            return who + " is exempt from Social Security and Medicare, yet the register holds " +
                   amount +
                   " of them withheld. It is in no box of Form W-2 and in no line 5, but in "
                   "line 7: refund it or correct the register.";
        case SummaryNoteKind::SocialSecurityDiffers:
            return "Social Security withheld from " + who + ", " + amountText(about.figures.ssTax) +
                   ", is not 6.2 % of his Social Security wages and tips, " + amount +
                   ". Check the register.";
        case SummaryNoteKind::MedicareDiffers:
            return "Medicare withheld from " + who + ", " + amountText(about.figures.medicareTax) +
                   ", is not 1.45 % of his Medicare wages and tips with 0.9 % of those above "
                   "200,000.00, " +
                   amount + ". Check the register.";
        case SummaryNoteKind::KplanIsBox12D:
            return "Box 12 code D holds the K plan of " + who + ", " + amount +
                   ": right for a 401(k) plan. A 403(b) plan takes code E, a governmental "
                   "457(b) plan code G, a SIMPLE plan code S.";
        case SummaryNoteKind::PensionLeftOutOfBox1:
            return "Box 1 of " + who + " leaves out " +
                   deductionName(about.DedName8, "deduction 8") + ", " + amount +
                   ", as the federal withholding did. If it is not a pre-tax plan, add it to "
                   "box 1.";
        case SummaryNoteKind::NinthDeductionLeftOut:
            return "Boxes 1, 3 and 5 of " + who + " leave out " +
                   deductionName(about.DedName9, "deduction 9") + ", " + amount +
                   ", as the withholding did. If it is not a pre-tax (cafeteria plan) "
                   "deduction, add it to those boxes.";
        case SummaryNoteKind::CafeteriaLeftOut:
            return "Boxes 1, 3 and 5 of " + who + " leave out the cafeteria plan, " + amount +
                   ". Check that it is a section 125 plan.";
        case SummaryNoteKind::StateAndCityWages:
        case SummaryNoteKind::LinesNotFigured:
            return reportNoteText(note);
    }
    return {};
}

std::string reportNoteText(const SummaryNote& note) {
    switch (note.kind) {
        case SummaryNoteKind::StateAndCityWages:
            return "Boxes 16 and 18 hold the wages the state and city withholding started from: "
                   "gross less the ninth deduction and the K plan, and less the cafeteria plan "
                   "where \"Deduct State\" is checked. Check them against your state's and "
                   "city's rules, and add the employer's state ID number.";
        case SummaryNoteKind::LinesNotFigured:
            return "Lines 4, 5f, 8, 9 and 11 to 16 are not figured: fill them in by hand. "
                   "Line 10 here is line 6 + line 7 alone.";
        default:
            return {};
    }
}

std::string skippedRowText(const SkippedRow& row) {
    return row.userFile + ", row " + std::to_string(row.row) + ": " +
           (row.date.find_first_not_of(" \t") == std::string::npos
                ? std::string("no date")
                : quotedExcerpt(row.date) + " is not a date of 2016 (M/D/YYYY)") +
           "; the row is in no figure.";
}

std::string unreadRegisterText(const UnreadRegister& unread) {
    const std::string rows = std::to_string(unread.rows) + (unread.rows == 1 ? " row" : " rows");
    const bool weeklyFile = endsWith(unread.file, kWeeklyRegister);
    const std::string name = baseOf(unread.file, weeklyFile ? kWeeklyRegister : kBiWeeklyRegister);
    switch (unread.why) {
        case UnreadRegister::Why::OtherFrequency:
            return unread.file + " holds " + rows + ", but " + name + " is paid " +
                   (weeklyFile ? "bi-weekly" : "weekly") + " now: they are in no figure.";
        case UnreadRegister::Why::NoProfile:
            return unread.file + " holds " + rows + ", but there is no employee " + name + " (no " +
                   name + ".use): they are in no figure.";
        case UnreadRegister::Why::DefaultFiles:
            return unread.file + " holds " + rows +
                   " posted with no employee open: they are in no figure.";
    }
    return {};
}

}  // namespace quillon
