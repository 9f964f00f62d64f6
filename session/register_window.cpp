// The register window's texts and procedures, and its workflows over the session.
#include "session/register_window.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/money.hpp"
#include "records/files.hpp"
#include "session/key_filter.hpp"
#include "session/questions.hpp"
#include "session/session.hpp"

namespace quillon {
namespace {

Outcome failed(Message message) {
    return Outcome{false, {std::move(message)}};
}

Message okMessage(std::string text) {
    return Message{MessageKind::Ok, std::move(text), kProgramTitle};
}

constexpr std::size_t index(GridColumn column) {
    return static_cast<std::size_t>(column);
}
constexpr std::size_t index(TotalBox box) {
    return static_cast<std::size_t>(box);
}

// A number read from a text as a Single; one beyond a Single's range is an infinity, which the
// totals then refuse.
float single(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (value > kLargest) {
        return std::numeric_limits<float>::infinity();
    }
    if (value < -kLargest) {
        return -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

constexpr std::size_t index(ResultKey key) {
    return static_cast<std::size_t>(key);
}

// The register column each grid column shows; the date column has none.
constexpr std::array<float RegisterRow::*, kGridColumns> kAmountField = {nullptr,
                                                                         &RegisterRow::Fed,
                                                                         &RegisterRow::SS,
                                                                         &RegisterRow::Medi,
                                                                         &RegisterRow::State,
                                                                         &RegisterRow::City,
                                                                         &RegisterRow::Muni,
                                                                         &RegisterRow::Bond,
                                                                         &RegisterRow::Dues,
                                                                         &RegisterRow::Pen,
                                                                         &RegisterRow::Misc,
                                                                         &RegisterRow::Kplan,
                                                                         &RegisterRow::Tips,
                                                                         &RegisterRow::OT,
                                                                         &RegisterRow::Net,
                                                                         &RegisterRow::Gross};

float& amount(RegisterRow& row, std::size_t c) {
    return row.*kAmountField[c];
}
float amount(const RegisterRow& row, std::size_t c) {
    return row.*kAmountField[c];
}

// The amount columns, Fed to Gross.
constexpr std::size_t kFirstAmount = index(GridColumn::Fed);

std::string shown(float value) {
    return format(value, kRegisterFormat);
}
std::string shown(Currency value) {
    return format(value, kRegisterFormat);
}

// A figure the main window shows, in the register's format. A caption that is not a number
// posts its leading number.
std::string shown(const ShownFigure& figure) {
    return figure.number ? format(*figure.number, kRegisterFormat)
                         : format(leadingNumber(figure.caption), kRegisterFormat);
}
// The same figure as a Single.
float shownSingle(const ShownFigure& figure) {
    if (const auto* value = figure.number ? std::get_if<float>(&*figure.number) : nullptr) {
        return *value;
    }
    return single(figure.number ? valueOf(*figure.number) : leadingNumber(figure.caption));
}

std::string plain(float value) {
    return decimalText(value);
}
std::string plain(Currency value) {
    return decimalText(value.toDouble());
}

bool rowWithinLimit(const RegisterRow& row) {
    for (std::size_t c = kFirstAmount; c < kGridColumns; ++c) {
        if (!withinAmountLimit(static_cast<double>(amount(row, c)))) {
            return false;
        }
    }
    return true;
}

bool hiddenWithinLimit(const RegisterRow& row) {
    return withinAmountLimit(static_cast<double>(row.Sdi)) &&
           withinAmountLimit(static_cast<double>(row.Sui)) &&
           withinAmountLimit(static_cast<double>(row.Cafe));
}

bool totalsWithinLimit(const RegisterTotals& t) {
    for (Currency c : {t.TotFed, t.TotSS, t.TotMedi, t.TotState, t.TotCity, t.TotMuni, t.TotBond,
                       t.TotDues, t.TotPen, t.TotMisc, t.TotKplan, t.TotOT, t.TotTips, t.TotGross,
                       t.TotNet, t.TotSdi, t.TotSui, t.TotCafe}) {
        if (!withinAmountLimit(c.toDouble())) {
            return false;
        }
    }
    return true;
}

// The fifteen stored totals of `from`; the hidden SDI, SUI and cafeteria totals of `into` stay.
void takeStoredTotals(RegisterTotals& into, const RegisterTotals& from) {
    RegisterTotals t = from;
    t.TotSdi = into.TotSdi;
    t.TotSui = into.TotSui;
    t.TotCafe = into.TotCafe;
    into = t;
}

}  // namespace

// --- The window ----------------------------------------------------------------------------

RegisterWindow::RegisterWindow(int usedRows)
    : grid(static_cast<std::size_t>(std::clamp(usedRows, 0, kRegisterSlots))) {
    for (std::size_t c = 0; c < kGridColumns; ++c) {
        headings[c] = std::string(kGridColumnInfo[c].heading);
    }
    for (std::size_t b = 0; b < kTotalBoxes; ++b) {
        totalHeadings[b] = std::string(kTotalBoxInfo[b].heading);
    }
}

const std::string& RegisterWindow::cell(int row, GridColumn c) const {
    return grid.at(static_cast<std::size_t>(row - 1))[index(c)];
}

const std::string& RegisterWindow::total(TotalBox box) const {
    return totals[index(box)];
}

void RegisterWindow::show(const Register& r, const Profile& p) {
    const std::array<const std::string*, 5> names = {&p.DedName5, &p.DedName6, &p.DedName7,
                                                     &p.DedName8, &p.DedName9};
    for (std::size_t i = 0; i < names.size(); ++i) {
        headings[index(GridColumn::Muni) + i] = *names[i];
        totalHeadings[index(TotalBox::Muni) + i] = *names[i];
    }
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const RegisterRow& row = r.rows[i];
        grid[i][index(GridColumn::Date)] = row.Date;
        for (std::size_t c = kFirstAmount; c < kGridColumns; ++c) {
            grid[i][c] = plain(amount(row, c));
        }
    }
    const RegisterTotals& t = r.totals;
    totals = {plain(t.TotFed),  plain(t.TotSS),    plain(t.TotMedi),  plain(t.TotState),
              plain(t.TotCity), plain(t.TotMuni),  plain(t.TotBond),  plain(t.TotDues),
              plain(t.TotPen),  plain(t.TotMisc),  plain(t.TotKplan), plain(t.TotOT),
              plain(t.TotNet),  plain(t.TotGross), plain(t.TotCafe),  plain(t.TotSdi),
              plain(t.TotSui),  plain(t.TotTips)};
}

void RegisterWindow::fillBoxes(const Register& r) {
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const RegisterRow& row = r.rows[i];
        grid[i][index(GridColumn::Date)] = row.Date;
        for (std::size_t c = kFirstAmount; c < kGridColumns; ++c) {
            grid[i][c] = shown(amount(row, c));
        }
    }
}

void RegisterWindow::Update(Register& r) const {
    for (std::size_t i = 0; i < grid.size(); ++i) {
        RegisterRow& row = r.rows[i];
        row.Date = grid[i][index(GridColumn::Date)];
        for (std::size_t c = kFirstAmount; c < kGridColumns; ++c) {
            amount(row, c) = single(leadingNumber(grid[i][c]));
        }
    }
}

void RegisterWindow::showTotals(const RegisterTotals& t) {
    totals = {shown(t.TotFed),  shown(t.TotSS),    shown(t.TotMedi),  shown(t.TotState),
              shown(t.TotCity), shown(t.TotMuni),  shown(t.TotBond),  shown(t.TotDues),
              shown(t.TotPen),  shown(t.TotMisc),  shown(t.TotKplan), shown(t.TotOT),
              shown(t.TotNet),  shown(t.TotGross), shown(t.TotCafe),  shown(t.TotSdi),
              shown(t.TotSui),  shown(t.TotTips)};
}

Outcome RegisterWindow::AddAnnual(Register& r) {
    const int used = usedRows();
    // Where the sums stop: the first row holding an amount no register holds, or the first
    // whose addition takes a total out of range.
    int reached = used;
    for (int i = 0; i < used; ++i) {
        if (!rowWithinLimit(r.rows[static_cast<std::size_t>(i)])) {
            reached = i;
            break;
        }
    }
    const bool hiddenOk = std::all_of(r.rows.begin(), r.rows.end(), hiddenWithinLimit);
    if (reached == used && hiddenOk) {
        const RegisterTotals t = quillon::AddAnnual(r.rows, used);
        if (totalsWithinLimit(t)) {
            r.totals = t;
            showTotals(t);
            return {};
        }
        for (int k = 1; k <= used; ++k) {
            if (!totalsWithinLimit(quillon::AddAnnual(r.rows, k))) {
                reached = k - 1;
                break;
            }
        }
    }
    takeStoredTotals(r.totals, quillon::AddAnnual(r.rows, reached));
    return failed(okMessage(kTotalsOverflow));
}

Outcome RegisterWindow::open(Register& r, const Profile& profile) {
    show(r, profile);
    fillBoxes(r);
    Update(r);
    Outcome totalled = AddAnnual(r);
    // The window opens whatever the totals said.
    totalled.ok = true;
    return totalled;
}

Outcome RegisterWindow::PasteMe(int row, const ShownPeriod& period, Register& r) {
    if (!usedRow(row)) {
        return failed(okMessage("There is no row " + std::to_string(row) +
                                " in this register (rows 1 to " + std::to_string(usedRows()) +
                                ")."));
    }
    const auto slot = static_cast<std::size_t>(row - 1);
    GridRow& cells = grid[slot];
    cells[index(GridColumn::Date)] = period.txtWeek;
    for (std::size_t k = 0; k <= index(ResultKey::Kplan); ++k) {
        cells[kFirstAmount + k] = shown(period.figures[k]);
    }
    cells[index(GridColumn::OT)] = shown(period.TotalOt);
    cells[index(GridColumn::Tips)] = shown(period.TotalTips);
    cells[index(GridColumn::Gross)] = shown(period.GrossPay);
    cells[index(GridColumn::Net)] = shown(period.NetPay);
    RegisterRow& held = r.rows[slot];
    held.Sdi = roundedToCents(shownSingle(period[ResultKey::Sdi]));
    held.Sui = roundedToCents(shownSingle(period[ResultKey::Sui]));
    held.Cafe = roundedToCents(shownSingle(period[ResultKey::Cafe]));
    Update(r);
    Outcome totalled = AddAnnual(r);
    totalled.ok = true;  // the period is posted; the message says the totals could not follow
    return totalled;
}

Outcome RegisterWindow::DeleteRow(int row, Register& r) {
    if (!usedRow(row)) {
        return failed(okMessage("There is no row " + std::to_string(row) +
                                " in this register (rows 1 to " + std::to_string(usedRows()) +
                                ")."));
    }
    const auto slot = static_cast<std::size_t>(row - 1);
    grid[slot][index(GridColumn::Date)].clear();
    for (std::size_t c = kFirstAmount; c < kGridColumns; ++c) {
        grid[slot][c] = "0";
    }
    RegisterRow& held = r.rows[slot];
    held.Sdi = held.Sui = held.Cafe = 0;
    Update(r);
    Outcome totalled = AddAnnual(r);
    totalled.ok = true;
    return totalled;
}

void RegisterWindow::ClearAll(Register& r) {
    for (GridRow& cells : grid) {
        cells[index(GridColumn::Date)].clear();
        for (std::size_t c = kFirstAmount; c < kGridColumns; ++c) {
            cells[c] = "0";
        }
    }
    for (RegisterRow& row : r.rows) {
        row.Sdi = row.Sui = row.Cafe = 0;
    }
    r.totals.TotSdi = r.totals.TotSui = r.totals.TotCafe = r.totals.TotTips = Currency{};
    for (TotalBox box : {TotalBox::Sdi, TotalBox::Sui, TotalBox::Cafe, TotalBox::Tips}) {
        totals[index(box)] = "0";
    }
}

Outcome RegisterWindow::clearAllCommand(Register& r) {
    ClearAll(r);
    return addCommand(r);
}

Outcome RegisterWindow::addCommand(Register& r) {
    Update(r);
    Outcome totalled = AddAnnual(r);
    totalled.ok = true;
    return totalled;
}

Outcome RegisterWindow::typeInto(int row, GridColumn c, const std::string& text) {
    const GridColumnInfo& info = kGridColumnInfo[index(c)];
    if (!usedRow(row) || !info.editable) {
        return failed(okMessage("Week " + std::to_string(row) + ", " + std::string(info.field) +
                                " cannot be typed into."));
    }
    if (info.keyFilter && !isNumericBoxText(text)) {
        return failed(okMessage("The box " + std::string(info.heading) + " of week " +
                                std::to_string(row) +
                                " takes only the characters 0123456789, "
                                "blank, minus and point; " +
                                quotedExcerpt(text) + " was not taken."));
    }
    grid[static_cast<std::size_t>(row - 1)][index(c)] = text;
    return {};
}

Outcome RegisterWindow::typeIntoTotal(TotalBox box, const std::string& text) {
    const TotalBoxInfo& info = kTotalBoxInfo[index(box)];
    if (info.keyFilter && !isNumericBoxText(text)) {
        return failed(okMessage("The total " + std::string(info.heading) +
                                " takes only the characters 0123456789, blank, minus and point; " +
                                quotedExcerpt(text) + " was not taken."));
    }
    totals[index(box)] = text;
    return {};
}

Register RegisterWindow::toSave(const Register& r) const {
    Register out = r;
    Update(out);
    takeStoredTotals(out.totals, quillon::AddAnnual(out.rows, usedRows()));
    return out;
}

std::vector<NamedText> RegisterWindow::rowInFileOrder(int row, const Register& r) const {
    const GridRow& cells = grid.at(static_cast<std::size_t>(row - 1));
    const RegisterRow& held = r.rows[static_cast<std::size_t>(row - 1)];
    auto at = [&](GridColumn c) {
        return NamedText{kGridColumnInfo[index(c)].field, cells[index(c)]};
    };
    return {at(GridColumn::Date),     at(GridColumn::Fed),      at(GridColumn::SS),
            at(GridColumn::Medi),     at(GridColumn::State),    at(GridColumn::City),
            at(GridColumn::Muni),     at(GridColumn::Bond),     at(GridColumn::Dues),
            at(GridColumn::Pen),      at(GridColumn::Misc),     at(GridColumn::Kplan),
            at(GridColumn::OT),       at(GridColumn::Gross),    at(GridColumn::Net),
            {"Sdi", shown(held.Sdi)}, {"Sui", shown(held.Sui)}, {"Cafe", shown(held.Cafe)},
            at(GridColumn::Tips)};
}

std::vector<NamedText> RegisterWindow::totalsInFileOrder() const {
    auto at = [&](TotalBox b) {
        return NamedText{kTotalBoxInfo[index(b)].total, totals[index(b)]};
    };
    return {at(TotalBox::Fed),   at(TotalBox::SS),   at(TotalBox::Medi),  at(TotalBox::State),
            at(TotalBox::City),  at(TotalBox::Muni), at(TotalBox::Bond),  at(TotalBox::Dues),
            at(TotalBox::Pen),   at(TotalBox::Misc), at(TotalBox::Kplan), at(TotalBox::OT),
            at(TotalBox::Gross), at(TotalBox::Net),  at(TotalBox::Tips),  at(TotalBox::Sdi),
            at(TotalBox::Sui),   at(TotalBox::Cafe)};
}

std::array<std::string, kGridColumns - 1> RegisterWindow::totalsInGridOrder() const {
    auto at = [&](TotalBox b) { return totals[index(b)]; };
    return {at(TotalBox::Fed),  at(TotalBox::SS),   at(TotalBox::Medi),  at(TotalBox::State),
            at(TotalBox::City), at(TotalBox::Muni), at(TotalBox::Bond),  at(TotalBox::Dues),
            at(TotalBox::Pen),  at(TotalBox::Misc), at(TotalBox::Kplan), at(TotalBox::Tips),
            at(TotalBox::OT),   at(TotalBox::Net),  at(TotalBox::Gross)};
}

// --- The workflows -------------------------------------------------------------------------

Message saveRegisterQuestion() {
    return Message{MessageKind::YesNo, kSaveRegisterQuestion, "Save?"};
}

Message useCloseInsteadMessage() {
    return okMessage(kUseCloseInstead);
}

std::string registerExtension(const Profile& profile) {
    return profile.PayWeekly ? ".yrw" : ".yrb";
}

Outcome openRegisterWindow(Session& s) {
    const Session::Change change(s, Part::Register);
    // Read afresh: unsaved edits of a window open before are not kept.
    Outcome loaded = s.LoadAnnual();
    if (!loaded.ok) {
        return loaded;
    }
    RegisterWindow window(s.registerRows());
    window.extension = registerExtension(s.profile);
    window.atOpen = s.yearRegister;
    Outcome outcome = window.open(s.yearRegister, s.profile);
    window.savedText = registerFileText(window.toSave(s.yearRegister), window.usedRows());
    s.registerWindow = std::move(window);
    loaded.messages.insert(loaded.messages.end(), outcome.messages.begin(), outcome.messages.end());
    return loaded;
}

Outcome PasteMe(Session& s, int row) {
    const Session::Change change(s, Part::Register);
    if (!s.registerWindow) {
        return failed(okMessage("The register is not open."));
    }
    return s.registerWindow->PasteMe(row, shownPeriod(s), s.yearRegister);
}

Outcome DeleteRow(Session& s, int row) {
    const Session::Change change(s, Part::Register);
    return s.registerWindow ? s.registerWindow->DeleteRow(row, s.yearRegister) : Outcome{};
}

Outcome clearAllCommand(Session& s) {
    const Session::Change change(s, Part::Register);
    return s.registerWindow ? s.registerWindow->clearAllCommand(s.yearRegister) : Outcome{};
}

Outcome addCommand(Session& s) {
    const Session::Change change(s, Part::Register);
    return s.registerWindow ? s.registerWindow->addCommand(s.yearRegister) : Outcome{};
}

Outcome typeIntoRegister(Session& s, int row, GridColumn column, const std::string& text) {
    const Session::Change change(s, Part::Register);
    return s.registerWindow ? s.registerWindow->typeInto(row, column, text) : Outcome{};
}

Outcome typeIntoRegisterTotal(Session& s, TotalBox box, const std::string& text) {
    const Session::Change change(s, Part::Register);
    return s.registerWindow ? s.registerWindow->typeIntoTotal(box, text) : Outcome{};
}

namespace {

// SaveAnnual up to the file: AddAnnual, then the register file's content from what the grid
// shows, the hidden columns and the totals. Refused when the totals cannot be computed.
Outcome registerToSave(Session& s, Register& written, std::vector<FileContent>& files) {
    RegisterWindow& w = *s.registerWindow;
    if (Outcome totalled = w.AddAnnual(s.yearRegister); !totalled.ok) {
        totalled.messages.push_back(
            okMessage("The register was not saved: correct the amount that is too large, then "
                      "close again."));
        return totalled;
    }
    written = s.yearRegister;
    w.Update(written);
    written.totals = s.yearRegister.totals;
    files.push_back(registerFileContent(s.file(w.extension), written, w.usedRows()));
    return {};
}

// After the register file was written: the window's register is what its file now holds.
void registerSaved(Session& s, const Register& written) {
    RegisterWindow& w = *s.registerWindow;
    w.atOpen = written;
    w.savedText = registerFileText(w.toSave(s.yearRegister), w.usedRows());
}

}  // namespace

Outcome SaveAnnual(Session& s) {
    const Session::Change change(s, Part::Register);
    if (!s.registerWindow) {
        return failed(okMessage("The register is not open."));
    }
    Register written;
    std::vector<FileContent> files;
    if (Outcome refused = registerToSave(s, written, files); !refused.ok) {
        return refused;
    }
    if (Outcome saved = s.saveFiles(files); !saved.ok) {
        return saved;
    }
    registerSaved(s, written);
    return {};
}

bool registerChanged(const Session& s) {
    if (!s.registerWindow) {
        return false;
    }
    const RegisterWindow& w = *s.registerWindow;
    return registerFileText(w.toSave(s.yearRegister), w.usedRows()) != w.savedText;
}

namespace {

// Yes on the closing question: the grid into the rows, the totals, the file.
Outcome saveOnYes(Session& s) {
    s.registerWindow->Update(s.yearRegister);
    return SaveAnnual(s);
}

}  // namespace

Outcome closeRegisterWindow(Session& s, Questions& questions) {
    const Session::Change change(s, Part::Register);
    if (!s.registerWindow) {
        return {};
    }
    Outcome outcome;
    if (questions.askYesNo(saveRegisterQuestion())) {
        outcome = saveOnYes(s);
        if (!outcome.ok) {
            return outcome;  // the window stays open with its rows
        }
    } else {
        // Not saved: the register is again what its file holds, for the printouts and the next
        // calculation as for the window opened again.
        s.yearRegister = s.registerWindow->atOpen;
    }
    s.registerWindow.reset();
    return outcome;
}

Outcome offerToSaveRegister(Session& s, Questions& questions) {
    const Session::Change change(s, Part::Register);
    if (!registerChanged(s) || !questions.askYesNo(saveRegisterQuestion())) {
        return {};
    }
    return saveOnYes(s);
}

Outcome calculateAndPost(Session& s, int row) {
    const Session::Change change(s, Changes::everything());
    Register written;
    Outcome outcome = s.calculate([&](Session& calculated, std::vector<FileContent>& files) {
        Outcome posted = openRegisterWindow(calculated);
        if (!posted.ok) {
            return posted;
        }
        auto append = [&](const Outcome& next) {
            posted.messages.insert(posted.messages.end(), next.messages.begin(),
                                   next.messages.end());
            posted.ok = posted.ok && next.ok;
        };
        append(PasteMe(calculated, row));
        if (posted.ok) {
            calculated.registerWindow->Update(calculated.yearRegister);
            append(registerToSave(calculated, written, files));
        }
        return posted;
    });
    // Saved, the register is what its file now holds; refused, the session is as it was before
    // the calculation. Either way the window is closed.
    s.registerWindow.reset();
    return outcome;
}

}  // namespace quillon
