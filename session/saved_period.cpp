// The saved pay period: the main window's period into its file and back.
#include "session/saved_period.hpp"

#include <array>
#include <variant>

#include "engine/money.hpp"
#include "records/files.hpp"
#include "session/session.hpp"
#include "session/session_helpers.hpp"

namespace quillon {
namespace {

using detail::failed;
using detail::kCrLf;
using detail::okMessage;

// Longest file name the folder can hold, in bytes.
constexpr std::size_t kLongestFileName = 255;

// Why a week-ending text cannot name the period's file, or nothing when it can. "/" is the
// date's own separator and is stored as "_"; the other characters a file name cannot hold would
// come back as "/" and are refused instead.
std::optional<Message> unusableWeekEnding(const std::string& userFile, const std::string& week) {
    if (week.find_first_not_of(' ') == std::string::npos) {
        return okMessage(std::string("The week-ending date is empty, and a saved pay period is "
                                     "named by its date.") +
                         kCrLf + "Pick the date in the week-ending box first. Nothing was saved.");
    }
    for (char c : week) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f || std::string_view("\\:*?\"<>|").find(c) != std::string::npos) {
            return okMessage("The week-ending date " + quotedExcerpt(week) +
                             " cannot name a file: it holds \\ : * ? \" < > | or a control "
                             "character." +
                             kCrLf + "Pick the date in the week-ending box. Nothing was saved.");
        }
    }
    if (periodFileName(userFile, week).size() > kLongestFileName) {
        return okMessage("The week-ending date " + quotedExcerpt(week) +
                         " is too long to name a file." + kCrLf +
                         "Pick the date in the week-ending box. Nothing was saved.");
    }
    return std::nullopt;
}

bool blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// The figures of the main window in the file's order after the entries and result rows: SDI,
// SUI, cafeteria, gross, taxes, deductions, net, with the words their captions show.
struct PeriodFigure {
    Label MainWindow::*label;
    float SavedPeriod::*value;
    const char* words;
};
constexpr std::array<PeriodFigure, 7> kFigures = {{
    {&MainWindow::lbSDI, &SavedPeriod::sdi, "SDI"},
    {&MainWindow::lbSUI, &SavedPeriod::sui, "SUI"},
    {&MainWindow::lbCafe, &SavedPeriod::cafe, "Cafeteria Plan"},
    {&MainWindow::Label13, &SavedPeriod::gross, "GROSS PAY"},
    {&MainWindow::lbTaxes, &SavedPeriod::taxes, "TAXES"},
    {&MainWindow::lbDeduct, &SavedPeriod::deductions, "DEDUCTIONS"},
    {&MainWindow::lbNet, &SavedPeriod::net, "NET PAY"},
}};

// A shown text as the number the file keeps: empty is 0; the thousands separators and the dollar
// sign of the figures are understood.
std::optional<float> shownNumber(const std::string& text) {
    if (blank(text)) {
        return 0.0f;
    }
    return strictAmount(text);
}

Outcome notANumber(const std::string& words, const std::string& text,
                   std::optional<BadBox> box = std::nullopt) {
    return Outcome{
        false,
        {okMessage("The box \"" + words + "\" holds " + quotedExcerpt(text) +
                   ", which is not a number a pay period holds." + kCrLf + "Nothing was saved.")},
        std::move(box)};
}

// The period as the main window shows it, or why it cannot be saved.
std::variant<SavedPeriod, Outcome> periodAsShown(const MainWindow& main) {
    SavedPeriod p;
    for (std::size_t i = 0; i < p.entries.size(); ++i) {
        const std::string& text = main.txtAmount[i].text;
        const std::optional<float> value = shownNumber(text);
        if (!value) {
            return notANumber(kEntryLabels[i], text,
                              BadBox{"txtAmount", static_cast<int>(i), kEntryLabels[i]});
        }
        p.entries[i] = *value;
    }
    for (std::size_t i = 0; i < p.rows.size(); ++i) {
        const std::string& text = main.lbTaxDed[i].caption;
        const std::optional<float> value = shownNumber(text);
        if (!value) {
            return notANumber(main.lbTaxTag[i].caption, text);
        }
        p.rows[i] = *value;
    }
    for (const PeriodFigure& figure : kFigures) {
        const std::string& text = (main.*figure.label).caption;
        const std::optional<float> value = shownNumber(text);
        if (!value) {
            return notANumber(figure.words, text);
        }
        p.*figure.value = *value;
    }
    return p;
}

void zeroWhereEmpty(std::string& text) {
    if (blank(text)) {
        text = "0";
    }
}

}  // namespace

std::filesystem::path periodFile(const Session& session, std::string_view weekEnding) {
    return session.folder / periodFileName(session.UserFile, weekEnding);
}

Outcome SavePeriod(Session& session) {
    MainWindow& main = session.main;
    if (std::optional<Message> refused = unusableWeekEnding(session.UserFile, main.txtWeek.text)) {
        return failed(*refused);
    }
    std::variant<SavedPeriod, Outcome> shown = periodAsShown(main);
    if (auto* refused = std::get_if<Outcome>(&shown)) {
        return std::move(*refused);
    }
    const SavedPeriod& period = std::get<SavedPeriod>(shown);
    // The one save transaction, under the folder lock the session may hold.
    if (Outcome saved =
            session.saveFiles({periodFileContent(periodFile(session, main.txtWeek.text), period)});
        !saved.ok) {
        return saved;
    }
    for (TextBox& box : main.txtAmount) {
        zeroWhereEmpty(box.text);
    }
    for (Label& row : main.lbTaxDed) {
        zeroWhereEmpty(row.caption);
    }
    for (const PeriodFigure& figure : kFigures) {
        zeroWhereEmpty((main.*figure.label).caption);
    }
    return {};
}

FileQuestion getPeriodQuestion(const Session& session) {
    return FileQuestion{kPeriodFileFilter, session.folder};
}

Outcome GetPeriod(Session& session, Questions& questions) {
    const Session::Change change(session, Changes::everything());
    const std::optional<std::filesystem::path> chosen =
        questions.askFile(getPeriodQuestion(session));
    if (!chosen) {
        return {};
    }
    return GetPeriod(session, *chosen);
}

Outcome GetPeriod(Session& session, const std::filesystem::path& file) {
    const Session::Change change(session, Changes::everything());
    const std::string name = file.filename().string();
    const std::optional<std::string> date = periodDate(name);
    if (!date) {
        return failed(okMessage(quotedExcerpt(name) + " is not a saved pay period's file." + kCrLf +
                                "Its name is the employee's, two blanks and the week-ending date, "
                                "as \"Baker  12_30_2016.prv\". Nothing was shown."));
    }
    SavedPeriod period;
    if (Status status = readPeriodFile(file, period); status.failed()) {
        Message message = corruptedFileMessage(status.error());
        message.text += std::string(kCrLf) + "Nothing on the main window was changed.";
        return failed(std::move(message));
    }
    MainWindow& main = session.main;
    for (std::size_t i = 0; i < period.entries.size(); ++i) {
        main.txtAmount[i].text = decimalText(period.entries[i]);
    }
    for (std::size_t i = 0; i < period.rows.size(); ++i) {
        main.lbTaxDed[i].caption = format(period.rows[i], kSavedFigureFormat);
    }
    for (const PeriodFigure& figure : kFigures) {
        (main.*figure.label).caption = format(period.*figure.value, kSavedFigureFormat);
    }
    main.txtWeek.text = *date;
    return {};
}

std::optional<std::string> periodDate(std::string_view fileName) {
    if (fileName.size() <= kPeriodFileExtension.size() ||
        fileName.substr(fileName.size() - kPeriodFileExtension.size()) != kPeriodFileExtension) {
        return std::nullopt;
    }
    const std::string_view stem = fileName.substr(0, fileName.size() - kPeriodFileExtension.size());
    const std::size_t blanks = stem.rfind("  ");
    if (blanks == std::string_view::npos || blanks + 2 == stem.size()) {
        return std::nullopt;
    }
    std::string date(stem.substr(blanks + 2));
    for (char& c : date) {
        if (c == '_') {
            c = '/';
        }
    }
    return date;
}

}  // namespace quillon
