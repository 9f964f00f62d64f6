#include "session/session.hpp"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "engine/money.hpp"

namespace quillon {
namespace {

constexpr const char* kCrLf = "\r\n";

Message okMessage(std::string text) {
    return Message{MessageKind::Ok, std::move(text), kProgramTitle};
}

Message writeFailedMessage(const FileError& error) {
    return okMessage("Could not save " + error.file + "." + kCrLf + error.problem + kCrLf +
                     "The file on disk is unchanged.");
}

void append(Outcome& into, const Outcome& from) {
    into.messages.insert(into.messages.end(), from.messages.begin(), from.messages.end());
    into.ok = into.ok && from.ok;
}

// A name an employee's files can carry: no folder separators or characters a file name cannot
// hold, not only blanks. The empty name is the default files' and is allowed.
bool usableEmployeeName(const std::string& name) {
    if (name.empty()) {
        return true;
    }
    if (name.find_first_not_of(' ') == std::string::npos || name == "." || name == "..") {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 32 || u == 127 ||
               std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
    });
}

Message unusableNameMessage(const std::string& name) {
    return Message{MessageKind::Exclamation,
                   "\"" + name + "\" cannot be used as an employee's name." + kCrLf +
                       "A name cannot hold / \\ : * ? \" < > | and cannot be only blanks.",
                   kProgramTitle};
}

}  // namespace

Message corruptedFileMessage(const std::string& fileName) {
    return okMessage(std::string("You have corupted a file.") + kCrLf + "Find file," + kCrLf +
                     fileName + kCrLf + "and delete it.");
}

Message checkYourNumbersMessage() {
    return okMessage(std::string("Check your numbers") + kCrLf + "No blanks" + kCrLf +
                     "Only numbers");
}

Message federalTableMissingMessage() {
    return Message{MessageKind::Exclamation,
                   std::string("   Operation Failed ! ! !") + kCrLf +
                       "Save and Open, Only in Folder" + kCrLf +
                       "where Quillon 2016 was installed" + kCrLf + "Contact LANTERNA SOFTWARE" +
                       kCrLf + "support@lanternasoftware.com",
                   kProgramTitle};
}

std::string describeBox(const std::string& box) {
    struct Named {
        std::string_view control;
        std::string_view words;
        std::string_view row;  // how the row is counted, "" for a single box
    };
    static constexpr Named kNames[] = {
        {"txtStateMinBS", "Table for SINGLE Persons, Minimum Range", "line"},
        {"txtStateAmtBS", "Table for SINGLE Persons, Amount to Withhold", "line"},
        {"txtStatePerBS", "Table for SINGLE Persons, Multiply by Percentage in Decimal", "line"},
        {"txtStateMinBM", "Table for MARRIED Persons, Minimum Range", "line"},
        {"txtStateAmtBM", "Table for MARRIED Persons, Amount to Withhold", "line"},
        {"txtStatePerBM", "Table for MARRIED Persons, Multiply by Percentage in Decimal", "line"},
        {"txtStateSgExp", "Withholding Allowance, SINGLE", "exemptions"},
        {"txtStateMarExp", "Withholding Allowance, MARRIED", "exemptions"},
        {"txtCityMinBS", "Table for SINGLE Persons, Minimum Range", "line"},
        {"txtCityAmtBS", "Table for SINGLE Persons, Amount to Withhold", "line"},
        {"txtCityPerBS", "Table for SINGLE Persons, Multiply by Percentage in Decimal", "line"},
        {"txtCityMinBM", "Table for MARRIED Persons, Minimum Range", "line"},
        {"txtCityAmtBM", "Table for MARRIED Persons, Amount to Withhold", "line"},
        {"txtCityPerBM", "Table for MARRIED Persons, Multiply by Percentage in Decimal", "line"},
        {"txtCitySgExp", "Withholding Allowance, SINGLE", "exemptions"},
        {"txtCityMarExp", "Withholding Allowance, MARRIED", "exemptions"},
        {"txtNonMinBi", "BIWEEKLY NON Resident Table, Minimum Range", "line"},
        {"txtNonExpBi", "BIWEEKLY NON Resident Table, Subtract", "line"},
        {"txtNonMinWk", "WEEKLY NON Resident Table, Minimum Range", "line"},
        {"txtNonExpWk", "WEEKLY NON Resident Table, Subtract", "line"},
        {"txtNonPer", "Multiply by Percentage in Decimal", ""},
        {"txtSDIpercent", "State Disability Insurance, % Rate", ""},
        {"txtSDIwageBase", "State Disability Insurance, Wage Base / Flat Rate", ""},
        {"txtSUIpercent", "State UnEmployment Insurance, % Rate", ""},
        {"txtSUIwageBase", "State UnEmployment Insurance, Wage Base / Flat Rate", ""},
        {"txtStateAdj", "Adjustment", ""},
        {"txtCalAllow", "California Exempt Allowance", ""},
        {"txtHourRate", "Hourly Rate 1", ""},
        {"txtHourRate2", "Hourly Rate 2", ""},
        {"txtTipsRate", "Tips Rate", ""},
        {"cboDepend2", "STATE & CITY STATUS, Exemptions", ""},
    };
    const std::size_t paren = box.find('(');
    const std::string control = box.substr(0, paren);
    for (const Named& n : kNames) {
        if (n.control != control) {
            continue;
        }
        std::string words(n.words);
        if (paren != std::string::npos && !n.row.empty()) {
            const int row = std::atoi(box.c_str() + paren + 1);
            words += n.row == "line" ? ", line " + std::to_string(row + 1)
                                     : ", " + std::to_string(row) + " exemptions";
        }
        return words;
    }
    return box;
}

Message nonNumericMessage(const std::string& box) {
    return okMessage(std::string(kNonNumericMessage) + kCrLf +
                     "Correct the box: " + describeBox(box) + "." + kCrLf + "Nothing was saved.");
}

Session::Session(std::filesystem::path workingFolder, std::filesystem::path installedData)
    : folder(std::move(workingFolder)), dataFolder(std::move(installedData)) {}

std::filesystem::path Session::file(std::string_view extension) const {
    return employeeFile(folder, UserFile, extension);
}

bool Session::ProfileFileExists(std::string_view extension) const {
    return fileExists(file(extension));
}

int Session::registerRows() const {
    return profile.PayWeekly ? kWeeklyRows : kBiWeeklyRows;
}

PayFrequency Session::frequency() const {
    return PayFrequency{profile.PayWeekly, profile.PayBiWeekly};
}

// --- Federal table --------------------------------------------------------------------------

Outcome Session::LoadFederalTable() {
    std::filesystem::path path = folder / std::string(kFederalTableFileName);
    if (!fileExists(path)) {
        path = dataFolder / std::string(kFederalTableFileName);
    }
    if (!fileExists(path)) {
        // Warned, and the calculation goes on with a table of zeros (a federal tax of 0).
        federal = FederalTable{};
        return Outcome{true, {federalTableMissingMessage()}};
    }
    if (ReadResult error = readFederalTable(path, federal)) {
        // A half-read table would give a wrong federal tax without anyone noticing.
        return Outcome{false, {corruptedFileMessage(std::string(kFederalTableFileName))}};
    }
    main.lbTableVersion.caption = federal.FedTableVersion;
    return {};
}

// --- Profile ----------------------------------------------------------------------------------

Outcome Session::LoadProfile() {
    auto read = [&](std::string_view ext, auto&& reader) -> bool {
        if (!ProfileFileExists(ext)) {
            return true;
        }
        return !reader(file(ext)).has_value();
    };
    Outcome outcome;
    auto failed = [&](std::string_view ext) {
        outcome.ok = false;
        outcome.messages.push_back(corruptedFileMessage(UserFile + std::string(ext)));
        return outcome;
    };
    if (!read(".use", [&](const auto& p) { return readUseFile(p, profile, state); })) {
        return failed(".use");
    }
    if (!read(".and", [&](const auto& p) { return readAndFile(p, profile, state); })) {
        return failed(".and");
    }
    if (!read(".cfe", [&](const auto& p) { return readCfeFile(p, profile); })) {
        return failed(".cfe");
    }
    if (profile.PayWeekly && ProfileFileExists(".ovw")) {
        if (readOvertimeFile(file(".ovw"), profile, kWeeklyRows)) {
            return failed(".ovw");
        }
    } else if (ProfileFileExists(".ovb")) {
        if (readOvertimeFile(file(".ovb"), profile, kBiWeeklyRows)) {
            return failed(".ovb");
        }
    }
    main.lbTableNotice.caption = profile.PayWeekly ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";
    if (taxInfo.loaded()) {
        taxInfo.model->showProfile(profile);
    } else {
        append(outcome, loadTaxInfo());
    }
    return outcome;
}

Outcome Session::SaveOT() {
    if (taxInfo.loaded()) {
        if (auto bad = taxInfo.model->takeOverForSave(profile)) {
            return Outcome{false, {nonNumericMessage(bad->box)}};
        }
    }
    const int rows = profile.PayWeekly ? kWeeklyRows : kBiWeeklyRows;
    for (int i = 0; i < rows; ++i) {
        auto& amount = profile.OtAmounts[static_cast<std::size_t>(i)];
        if (amount.empty()) {
            amount = "0";
        }
    }
    if (!profile.PayWeekly && !profile.PayBiWeekly) {
        profile.PayWeekly = true;
    }
    if (profile.KplanPercent == 0 && profile.KplanFixed == 0) {
        profile.KplanPercent = 1;
    }
    WriteResult error = writeUseFile(file(".use"), profile, state);
    if (!error) {
        error = writeAndFile(file(".and"), profile, state);
    }
    if (!error) {
        error = writeCfeFile(file(".cfe"), profile);
    }
    if (!error) {
        error = profile.PayWeekly ? writeOvertimeFile(file(".ovw"), profile, kWeeklyRows)
                                  : writeOvertimeFile(file(".ovb"), profile, kBiWeeklyRows);
    }
    if (taxInfo.loaded()) {
        taxInfo.model->makeKplanExclusive(profile);
    } else if (profile.KplanPercent == 1) {
        profile.KplanFixed = 0;
    } else if (profile.KplanFixed == 1) {
        profile.KplanPercent = 0;
    }
    if (error) {
        return Outcome{false, {writeFailedMessage(*error)}};
    }
    return {};
}

// --- Register and vacation ------------------------------------------------------------------

Outcome Session::LoadAnnual() {
    const int rows = registerRows();
    const std::string ext = profile.PayWeekly ? ".yrw" : ".yrb";
    yearRegister = Register{};
    if (ProfileFileExists(ext)) {
        if (ReadResult error = readRegisterFile(file(ext), yearRegister, rows)) {
            return Outcome{false, {corruptedFileMessage(UserFile + ext)}};
        }
    }
    RegisterTotals sums = AddAnnual(yearRegister.rows, rows);
    yearRegister.totals.TotSdi = sums.TotSdi;
    yearRegister.totals.TotSui = sums.TotSui;
    yearRegister.totals.TotCafe = sums.TotCafe;
    return {};
}

Outcome Session::SaveVac() {
    if (WriteResult error = writeVacationFile(file(".hol"), vacation)) {
        return Outcome{false, {writeFailedMessage(*error)}};
    }
    return {};
}

// --- State tax dialog -------------------------------------------------------------------------

PresetContext Session::presetContext() const {
    PresetContext ctx;
    ctx.frequency = frequency();
    ctx.StateStatus = taxInfo.loaded() ? taxInfo.model->cboStatus2.text : profile.StateStatus;
    ctx.StateExemptions = profile.StateExemptions;
    ctx.settings = state;
    StateFormulaInput formula =
        stateFormulaInput(results, payEmployee(), state, StateExpAmt, yearRegister.totals.TotSS,
                          yearRegister.totals.TotMedi);
    formula.StateStatus = ctx.StateStatus;  // as the User Info box shows it
    ctx.formula = formula;
    return ctx;
}

void Session::applyPresetEffects(const StateDialog& dialog, const PresetEffects& effects) {
    main.ckLouisPrior.visible = dialog.louisPriorVisible;
    if (effects.StateTax) {
        results.StateTax = static_cast<float>(*effects.StateTax);
    }
    if (effects.userInfoFromSettings && taxInfo.loaded()) {
        taxInfo.model->showStateFields(profile);
    }
}

Outcome Session::readStateFileInto(StateDialog& dialog, const std::filesystem::path& path,
                                   const std::string& name) {
    if (fileExists(path)) {
        if (readStateFile(path, state, profile)) {
            return Outcome{false, {corruptedFileMessage(name)}};
        }
        dialog.showSettings(state);
    }
    dialog.showSwitches(state);
    if (taxInfo.loaded()) {
        taxInfo.model->showStateFields(profile);
    }
    return {};
}

// A settings file that cannot be read ends the load sequence: the operator is told which file,
// and nothing is taken over from half-filled boxes.
Outcome Session::stateLoadSequence(StateDialog& dialog) {
    Outcome outcome = readStateFileInto(dialog, file(".sta"), UserFile + ".sta");
    if (!outcome.ok) {
        return outcome;
    }
    append(outcome, LoadProfile());
    if (!outcome.ok) {
        return outcome;
    }
    if (dialog.loadNeedsCheckFor()) {
        dialog.CheckFor();
    }
    applyPresetEffects(dialog, dialog.applyCheckedPresets(presetContext()));
    if (auto bad = dialog.fillVari(state)) {
        outcome.ok = false;
        outcome.messages.push_back(nonNumericMessage(bad->box));
    }
    dialog.showUseBaseLabels();
    return outcome;
}

Outcome Session::loadStateDialog() {
    if (stateDialog.loaded()) {
        return {};
    }
    stateDialog.model.emplace();
    Outcome outcome = stateLoadSequence(*stateDialog.model);
    if (!outcome.ok) {
        stateDialog.unload();
    }
    return outcome;
}

Outcome Session::showStateDialog() {
    Outcome outcome = loadStateDialog();
    if (!stateDialog.loaded()) {
        return outcome;
    }
    stateDialog.shown = true;
    applyPresetEffects(*stateDialog.model, stateDialog.model->afterShown(presetContext()));
    return outcome;
}

Outcome Session::stateDialogSave() {
    if (!stateDialog.loaded()) {
        return {};  // the dialog is not open: nothing to take over
    }
    StateDialog& dialog = *stateDialog.model;
    if (dialog.saveNeedsCheckFor()) {
        dialog.CheckFor();
    }
    if (auto bad = dialog.fillVari(state)) {
        return Outcome{false, {nonNumericMessage(bad->box)}};
    }
    Outcome outcome = WriteStateFile();
    if (outcome.ok) {
        append(outcome, SaveOT());
    }
    if (outcome.ok) {
        stateDialog.unload();
    }
    return outcome;
}

void Session::stateDialogCancel() {
    stateDialog.unload();
}

Outcome Session::stateDialogMakeDefault() {
    if (!stateDialog.loaded()) {
        return {};  // the dialog is not open: nothing to take over
    }
    if (auto bad = stateDialog.model->fillVari(state)) {
        return Outcome{false, {nonNumericMessage(bad->box)}};
    }
    const std::string employee = UserFile;
    Outcome outcome = WriteStateFile();
    auto step = [&](const Outcome& next) {
        append(outcome, next);
        return outcome.ok;
    };
    if (outcome.ok && step(SaveOT())) {
        UserFile.clear();
        step(SaveOT()) && step(SaveVac()) && step(WriteStateFile()) && step(WriteCityFile()) &&
            step(WriteNonCityFile());
    }
    UserFile = employee;
    stateDialog.unload();
    cityDialog.unload();
    nonCityDialog.unload();
    taxInfo.unload();
    return outcome;
}

Outcome Session::stateDialogGetDefault() {
    return ReadDefaultStateFile();
}

Outcome Session::ReadStateFile() {
    if (!stateDialog.loaded()) {
        return loadStateDialog();
    }
    return readStateFileInto(*stateDialog.model, file(".sta"), UserFile + ".sta");
}

Outcome Session::ReadDefaultStateFile() {
    if (!stateDialog.loaded()) {
        Outcome outcome = loadStateDialog();
        if (!outcome.ok) {
            return outcome;
        }
    }
    return readStateFileInto(*stateDialog.model, employeeFile(folder, "", ".sta"), ".sta");
}

Outcome Session::WriteStateFile() {
    if (WriteResult error = writeStateFile(file(".sta"), state, profile)) {
        return Outcome{false, {writeFailedMessage(*error)}};
    }
    return {};
}

// --- City dialog ----------------------------------------------------------------------------

Outcome Session::cityLoadSequence(CityDialog& dialog) {
    Outcome outcome;
    if (ProfileFileExists(".cti")) {
        if (readCityFile(file(".cti"), city)) {
            return Outcome{false, {corruptedFileMessage(UserFile + ".cti")}};
        }
        dialog.showSettings(city);
    }
    dialog.CheckFor();
    if (auto bad = dialog.fillVar(city)) {
        outcome.ok = false;
        outcome.messages.push_back(nonNumericMessage(bad->box));
    }
    return outcome;
}

Outcome Session::loadCityDialog() {
    if (cityDialog.loaded()) {
        return {};
    }
    cityDialog.model.emplace();
    Outcome outcome = cityLoadSequence(*cityDialog.model);
    if (!outcome.ok) {
        cityDialog.unload();
    }
    return outcome;
}

Outcome Session::cityDialogSave() {
    if (!cityDialog.loaded()) {
        return {};  // the dialog is not open: nothing to take over
    }
    CityDialog& dialog = *cityDialog.model;
    dialog.CheckFor();
    if (auto bad = dialog.fillVar(city)) {
        return Outcome{false, {nonNumericMessage(bad->box)}};
    }
    Outcome outcome = WriteCityFile();
    if (outcome.ok) {
        cityDialog.unload();
    }
    return outcome;
}

void Session::cityDialogCancel() {
    cityDialog.unload();
}

Outcome Session::ReadCityFile() {
    if (!cityDialog.loaded()) {
        return loadCityDialog();
    }
    if (!ProfileFileExists(".cti")) {
        return {};
    }
    if (readCityFile(file(".cti"), city)) {
        return Outcome{false, {corruptedFileMessage(UserFile + ".cti")}};
    }
    cityDialog.model->showSettings(city);
    return {};
}

Outcome Session::WriteCityFile() {
    if (WriteResult error = writeCityFile(file(".cti"), city)) {
        return Outcome{false, {writeFailedMessage(*error)}};
    }
    return {};
}

// --- Non-city dialog ------------------------------------------------------------------------

Outcome Session::nonCityLoadSequence(NonCityDialog& dialog) {
    Outcome outcome;
    if (ProfileFileExists(".nci")) {
        if (readNonCityFile(file(".nci"), nonCity)) {
            return Outcome{false, {corruptedFileMessage(UserFile + ".nci")}};
        }
        dialog.showSettings(nonCity);
    }
    dialog.ChkFor();
    if (auto bad = dialog.fillVarib(nonCity)) {
        outcome.ok = false;
        outcome.messages.push_back(nonNumericMessage(bad->box));
    }
    return outcome;
}

Outcome Session::loadNonCityDialog() {
    if (nonCityDialog.loaded()) {
        return {};
    }
    nonCityDialog.model.emplace();
    Outcome outcome = nonCityLoadSequence(*nonCityDialog.model);
    if (!outcome.ok) {
        nonCityDialog.unload();
    }
    return outcome;
}

Outcome Session::nonCityDialogSave() {
    if (!nonCityDialog.loaded()) {
        return {};  // the dialog is not open: nothing to take over
    }
    NonCityDialog& dialog = *nonCityDialog.model;
    dialog.ChkFor();
    if (auto bad = dialog.fillVarib(nonCity)) {
        return Outcome{false, {nonNumericMessage(bad->box)}};
    }
    Outcome outcome = WriteNonCityFile();
    if (outcome.ok) {
        nonCityDialog.unload();
    }
    return outcome;
}

void Session::nonCityDialogCancel() {
    nonCityDialog.shown = false;
}

Outcome Session::ReadNonCityFile() {
    if (!ProfileFileExists(".nci")) {
        return {};
    }
    if (!nonCityDialog.loaded()) {
        return loadNonCityDialog();
    }
    if (readNonCityFile(file(".nci"), nonCity)) {
        return Outcome{false, {corruptedFileMessage(UserFile + ".nci")}};
    }
    nonCityDialog.model->showSettings(nonCity);
    return {};
}

Outcome Session::WriteNonCityFile() {
    if (WriteResult error = writeNonCityFile(file(".nci"), nonCity)) {
        return Outcome{false, {writeFailedMessage(*error)}};
    }
    return {};
}

// --- Tax information dialog -----------------------------------------------------------------

void Session::showTaxInfoItems(const TaxInfoMainItems& items) {
    for (std::size_t i = 0; i < items.deductionCaptions.size(); ++i) {
        main.lbTaxTag[5 + i].caption = items.deductionCaptions[i];
    }
    main.lbTableNotice.caption = items.tableNotice;
}

Outcome Session::loadTaxInfo() {
    if (taxInfo.loaded()) {
        return {};
    }
    taxInfo.model.emplace();
    taxInfo.model->prepareLoad(profile);
    auto taken = taxInfo.model->fillVar_(profile);
    if (auto* bad = std::get_if<BadBox>(&taken)) {
        return Outcome{false, {nonNumericMessage(bad->box)}};
    }
    showTaxInfoItems(std::get<TaxInfoMainItems>(taken));
    return SaveOT();
}

Outcome Session::taxInfoSave() {
    if (!taxInfo.loaded()) {
        return {};  // the dialog is not open: nothing to take over
    }
    auto taken = taxInfo.model->fillVar_(profile);
    if (auto* bad = std::get_if<BadBox>(&taken)) {
        return Outcome{false, {nonNumericMessage(bad->box)}};
    }
    showTaxInfoItems(std::get<TaxInfoMainItems>(taken));
    Outcome outcome = SaveOT();
    if (outcome.ok) {
        append(outcome, SaveOT());
    }
    if (outcome.ok) {
        append(outcome, saveAction(UserFile));
    }
    if (outcome.ok) {
        taxInfo.unload();
    }
    return outcome;
}

void Session::taxInfoClose() {
    taxInfo.unload();
}

// --- Main window and workflows -------------------------------------------------------------

void Session::Clear_All() {
    for (TextBox& box : main.txtAmount) {
        box.text.clear();
    }
    for (Label& row : main.lbTaxDed) {
        row.caption.clear();
    }
    for (Label* label : {&main.lbSDI, &main.lbSUI, &main.lbCafe, &main.Label13, &main.lbNet,
                         &main.lbTaxes, &main.lbDeduct, &main.lbOverT, &main.lbTips}) {
        label->caption.clear();
    }
    results.TaxableWage = results.GrossPay = results.NetPay = 0;
    results.TotDeduct = results.TaxDeduct = 0;
    results.FedTax = results.StateTax = results.CityTax = 0;
    results.SDIAmt = results.SUIAmt = results.SDIYtdAfter = results.SUIYtdAfter = 0;
    state.StateAdj = 0;
    main.txtWeek.text = today;
}

Outcome Session::startUp(const std::string& todayText) {
    today = todayText;
    Outcome outcome;
    Outcome federalLoaded = LoadFederalTable();
    outcome.messages = federalLoaded.messages;
    main.txtWeek.text = today;
    DefaultRate = kDefaultRate;
    results = PayResult{};
    Clear_All();
    main.lbTableVersion.caption = federal.FedTableVersion;
    // The default files (empty name) give the settings until an employee is opened.
    Outcome loaded = loadStateDialog();
    outcome.messages.insert(outcome.messages.end(), loaded.messages.begin(), loaded.messages.end());
    Outcome info = loadTaxInfo();
    outcome.messages.insert(outcome.messages.end(), info.messages.begin(), info.messages.end());
    for (int i = 5; i <= 9; ++i) {
        main.lbTaxTag[static_cast<std::size_t>(i)].caption = taxInfo.model->deductionCaption(i);
    }
    return outcome;
}

Outcome Session::newEmployee(const std::string& name) {
    if (!usableEmployeeName(name)) {
        return Outcome{false, {unusableNameMessage(name)}};
    }
    const std::string previous = UserFile;
    UserFile = name;
    if (ProfileFileExists(".use")) {
        UserFile = previous;  // the existing employee's files are not touched
        return Outcome{false, {okMessage(name + "........" + " already exists. Use Open")}};
    }
    main.caption = UserFile + "  User:  ";
    main.lbUser.caption = UserFile;

    // Every employee window back to its defaults.
    vacation = VacationRecord{};
    profile.OtDates = {};
    profile.OtAmounts = {};
    profile.AnnualSalary = profile.OtApprovedPct = profile.OtEarned = 0;
    profile.OtMax = profile.OtAvail = profile.OtEarnedPct = 0;
    Clear_All();
    yearRegister = Register{};
    {
        TaxInfoDialog cleared;
        cleared.ClearAll(profile);
    }
    taxInfo.unload();

    // The settings start from the default files where there are any, else from the built-in
    // New York values; they are written as the new employee's files so that the calculation's
    // loading finds them.
    Outcome outcome;
    startSettingsFromDefaults(outcome);
    stateDialog.unload();
    cityDialog.unload();
    nonCityDialog.unload();
    for (const Outcome& written : {WriteStateFile(), WriteCityFile(), WriteNonCityFile()}) {
        append(outcome, written);
    }
    if (!outcome.ok) {
        return outcome;
    }
    append(outcome, calculate());
    return outcome;
}

void Session::startSettingsFromDefaults(Outcome& outcome) {
    StateSettings newState;
    {
        StateDialog builtIn;
        builtIn.newYorkButton();
        (void)builtIn.fillVari(newState);
    }
    CitySettings newCity;
    {
        CityDialog builtIn;
        builtIn.newYork();
        (void)builtIn.fillVar(newCity);
    }
    NonCitySettings newNonCity;
    {
        NonCityDialog builtIn;
        builtIn.deFault();
        (void)builtIn.fillVarib(newNonCity);
    }

    auto defaultFile = [&](std::string_view ext) { return employeeFile(folder, "", ext); };
    auto useDefault = [&](std::string_view ext, auto&& read) {
        if (!fileExists(defaultFile(ext))) {
            return;
        }
        if (read(defaultFile(ext))) {
            outcome.messages.push_back(corruptedFileMessage(std::string(ext)));
        }
    };
    {
        // The default state file and the state switches kept in the default profile files; the
        // default employee's personal fields are not taken over.
        StateSettings fromDefaults = newState;
        Profile scratch;
        bool good = true;
        for (std::string_view ext : {".sta", ".use", ".and"}) {
            useDefault(ext, [&](const std::filesystem::path& p) {
                ReadResult error = ext == ".sta"   ? readStateFile(p, fromDefaults, scratch)
                                   : ext == ".use" ? readUseFile(p, scratch, fromDefaults)
                                                   : readAndFile(p, scratch, fromDefaults);
                good = good && !error;
                return error;
            });
        }
        if (good) {
            newState = fromDefaults;
        }
    }
    useDefault(".cti", [&](const std::filesystem::path& p) {
        CitySettings fromDefaults;
        ReadResult error = readCityFile(p, fromDefaults);
        if (!error) {
            newCity = fromDefaults;
        }
        return error;
    });
    useDefault(".nci", [&](const std::filesystem::path& p) {
        NonCitySettings fromDefaults;
        ReadResult error = readNonCityFile(p, fromDefaults);
        if (!error) {
            newNonCity = fromDefaults;
        }
        return error;
    });
    state = newState;
    city = newCity;
    nonCity = newNonCity;
}

Outcome Session::openEmployee(const std::string& name) {
    if (!usableEmployeeName(name)) {
        return Outcome{false, {unusableNameMessage(name)}};
    }
    if (!fileExists(employeeFile(folder, name, ".use"))) {
        return Outcome{false,
                       {okMessage("There is no employee \"" + name + "\" in " + folder.string() +
                                  " (no file " + name + ".use).")}};
    }
    yearRegister = Register{};
    UserFile = name;
    // A file that cannot be read stops the opening; what was read so far stays.
    Outcome outcome = LoadProfile();
    auto step = [&](const Outcome& next) {
        append(outcome, next);
        return outcome.ok;
    };
    if (!outcome.ok || !step(LoadAnnual())) {
        return outcome;
    }
    Outcome federalLoaded = LoadFederalTable();
    outcome.messages.insert(outcome.messages.end(), federalLoaded.messages.begin(),
                            federalLoaded.messages.end());
    stateDialog.unload();
    cityDialog.unload();
    if (!step(loadStateDialog()) || !step(loadCityDialog()) || !step(ReadNonCityFile())) {
        return outcome;
    }
    if (ProfileFileExists(".hol")) {
        if (readVacationFile(file(".hol"), vacation)) {
            outcome.ok = false;
            outcome.messages.push_back(corruptedFileMessage(UserFile + ".hol"));
            return outcome;
        }
    }
    main.caption = UserFile + "  User:  ";
    main.lbUser.caption = UserFile;
    if (taxInfo.loaded()) {
        taxInfo.model->showKplanFlags(profile);
        for (int i = 5; i <= 9; ++i) {
            main.lbTaxTag[static_cast<std::size_t>(i)].caption = taxInfo.model->deductionCaption(i);
        }
    }
    Clear_All();
    return outcome;
}

Outcome Session::saveAction(const std::string& name) {
    if (!usableEmployeeName(name)) {
        return Outcome{false, {unusableNameMessage(name)}};
    }
    UserFile = name;
    Outcome outcome = SaveOT();
    for (auto write : {&Session::SaveVac, &Session::WriteStateFile, &Session::WriteCityFile,
                       &Session::WriteNonCityFile}) {
        if (!outcome.ok) {
            return outcome;
        }
        append(outcome, (this->*write)());
    }
    if (!outcome.ok) {
        return outcome;
    }
    main.lbUser.caption = UserFile;
    main.caption = UserFile + "  User:  ";
    // Settings dialogs on the screen stay open with the operator's edits.
    for (auto unloadHidden : {+[](Session& s) {
                                  if (!s.stateDialog.shown)
                                      s.stateDialog.unload();
                              },
                              +[](Session& s) {
                                  if (!s.cityDialog.shown)
                                      s.cityDialog.unload();
                              },
                              +[](Session& s) {
                                  if (!s.nonCityDialog.shown)
                                      s.nonCityDialog.unload();
                              }}) {
        unloadHidden(*this);
    }
    return outcome;
}

// Refuses an entry box whose text is neither blank nor a number, naming the box.
std::optional<Message> Session::checkEntryBoxes() const {
    for (std::size_t i = 0; i < main.txtAmount.size(); ++i) {
        const std::string& text = main.txtAmount[i].text;
        if (text.find_first_not_of(' ') == std::string::npos || strictNumber(text)) {
            continue;
        }
        return Message{MessageKind::Exclamation,
                       std::string("The box \"") + kEntryLabels[i] + "\" holds \"" + text +
                           "\", which is not a number." + kCrLf + "Nothing was calculated.",
                       kProgramTitle};
    }
    return std::nullopt;
}

Outcome Session::calculate() {
    if (auto refused = checkEntryBoxes()) {
        return Outcome{false, {*refused}};
    }
    Outcome outcome;
    {
        outcome = LoadFederalTable();
        if (!outcome.ok) {
            federal = FederalTable{};
            return outcome;
        }
    }

    // The city and state settings as last saved. A dialog on the screen keeps the operator's
    // unsaved edits; the calculation loads the files into a scratch copy instead.
    std::optional<CityDialog> scratchCity;
    if (!cityDialog.loaded()) {
        append(outcome, loadCityDialog());
    } else if (cityDialog.shown) {
        scratchCity.emplace();
        append(outcome, cityLoadSequence(*scratchCity));
    }
    std::optional<StateDialog> scratchState;
    if (!stateDialog.loaded()) {
        append(outcome, loadStateDialog());
    } else if (stateDialog.shown) {
        scratchState.emplace();
        append(outcome, stateLoadSequence(*scratchState));
    }
    auto unloadHidden = [&] {
        if (!stateDialog.shown) {
            stateDialog.unload();
        }
        if (!cityDialog.shown) {
            cityDialog.unload();
        }
    };
    if (!outcome.ok) {
        // A settings file could not be read: nothing is calculated and nothing is written.
        unloadHidden();
        return outcome;
    }
    StateDialog& live = scratchState ? *scratchState : *stateDialog.model;

    PayInput in;
    for (std::size_t i = 0; i < in.txtAmount.size(); ++i) {
        in.txtAmount[i] = main.txtAmount[i].text;
    }
    in.opt1x = main.opt1x.value;
    in.louisianaPrior = main.ckLouisPrior.value != 0;
    in.employee = payEmployee();
    in.federal = federal;
    in.state = state;
    live.liveSwitches(in.state);
    in.txtStateAdj = live.txtStateAdj.text;
    in.txtCalAllow = live.txtCalAllow.text;
    in.city = city;
    in.nonCity = nonCity;
    in.TotGross = yearRegister.totals.TotGross;
    in.TotSS = yearRegister.totals.TotSS;
    in.TotMedi = yearRegister.totals.TotMedi;
    in.carry = PayCarryOver{FedAllowAmt, StateExpAmt, CityExpAmt};

    PayOutcome calculated = Calcu_late(in);
    if (const auto* bad = std::get_if<EntryBoxError>(&calculated)) {
        unloadHidden();
        outcome.ok = false;
        outcome.messages.push_back(
            Message{MessageKind::Exclamation,
                    std::string("The box \"") + kEntryLabels[static_cast<std::size_t>(bad->box)] +
                        "\" holds \"" + bad->text + "\", which is not a number.",
                    kProgramTitle});
        return outcome;
    }
    results = std::get<PayResult>(calculated);
    profile.MuniAmt = results.MuniAmt;
    profile.BondAmt = results.BondAmt;
    profile.DuesAmt = results.DuesAmt;
    profile.HealthAmt = results.HealthAmt;
    FedAllowAmt = results.carry.FedAllowAmt;
    StateExpAmt = results.carry.StateExpAmt;
    CityExpAmt = results.carry.CityExpAmt;
    state.StateAdj = results.StateAdj;
    state.CalAllow = results.CalAllow;
    live.ckRoundOff.value = results.RoundState;
    live.ZeroBlankStateBoxes();
    showPayResult(results);

    // The federal table is in memory only while a calculation runs.
    federal = FederalTable{};
    append(outcome, saveAction(UserFile));
    unloadHidden();
    return outcome;
}

PayEmployee Session::payEmployee() const {
    PayEmployee e;
    e.HourRate = profile.HourRate;
    e.HourRate2 = profile.HourRate2;
    e.TipsRate = profile.TipsRate;
    e.FedStatus = profile.FedStatus;
    e.FedExemptions = profile.FedExemptions;
    e.FedExempt = profile.FedExempt;
    e.FedAddWithhold = profile.FedAddWithhold;
    e.SSMediExempt = profile.SSMediExempt;
    e.SelfEmployed = profile.SelfEmployed;
    e.StateStatus = profile.StateStatus;
    e.StateExemptions = profile.StateExemptions;
    e.NonCityRes = profile.NonCityRes;
    e.MuniAmt = profile.MuniAmt;
    e.BondAmt = profile.BondAmt;
    e.DuesAmt = profile.DuesAmt;
    e.PensionPct = profile.PensionPct;
    e.HealthAmt = profile.HealthAmt;
    e.KplanValue = profile.KplanValue;
    e.KplanPercent = profile.KplanPercent;
    e.CafeAmt = profile.CafeAmt;
    e.CafeDeductState = profile.CafeDeductState;
    e.frequency = frequency();
    return e;
}

void Session::showPayResult(const PayResult& r) {
    for (std::size_t i = 0; i < main.lbTaxDed.size(); ++i) {
        main.lbTaxDed[i].caption = r.lbTaxDed[i];
    }
    main.lbSDI.caption = r.lbSDI;
    main.lbSUI.caption = r.lbSUI;
    main.lbCafe.caption = r.lbCafe;
    main.Label13.caption = r.Label13;
    main.lbTaxes.caption = r.lbTaxes;
    main.lbDeduct.caption = r.lbDeduct;
    main.lbNet.caption = r.lbNet;
    main.lbOverT.caption = r.lbOverT;
    main.lbTips.caption = r.lbTips;
    for (std::size_t i = 0; i < main.txtAmount.size(); ++i) {
        main.txtAmount[i].text = r.txtAmount[i];
    }
}

}  // namespace quillon
