// The settings dialogs' workflows: the load, show, save and cancel sequences of the state, city,
// non-city and tax information dialogs, and every event of theirs as one operation.
#include <utility>

#include "session/session.hpp"
#include "session/session_helpers.hpp"

namespace quillon {

using detail::append;
using detail::copyStateFileFields;
using detail::failed;

namespace {

// A box refused the operation: the message names it and the view puts the focus in it.
Outcome refusedBox(const BadBox& box) {
    return Outcome{false, {nonNumericMessage(box)}, box};
}

// Typing into a box of a dialog model: the key filter takes the text whole or not at all.
template <typename Dialog>
Outcome typeInto(Dialog& dialog, const BadBox& where, const std::string& text) {
    TextBox* box = dialog.box(where.control, where.row);
    if (box == nullptr) {
        return Outcome{false, {}};  // the dialog has no such box
    }
    if (!isNumericBoxText(text)) {
        const BadBox named = namedBox(where.control, where.row);
        return Outcome{false, {refusedKeyMessage(named, text)}, named};
    }
    if (box->text != text) {
        box->text = text;
        dialog.unsaved = true;
    }
    return {};
}

}  // namespace

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

// The state file into the settings and the five employee fields, whole or not at all. Without
// the file, the load sequence starts from the defaults; "Get Default" changes nothing.
Outcome Session::readStateFileInto(StateDialog& dialog, const std::filesystem::path& path,
                                   WhenMissing missing) {
    StateSettings read = state;
    Profile fields = profile;
    const bool there = fileExists(path);
    if (there) {
        if (Status status = readStateFile(path, read, fields); status.failed()) {
            return failed(corruptedFileMessage(status.error()));
        }
    } else if (missing == WhenMissing::StartFromDefaults) {
        if (Outcome defaults = defaultState(read, fields); !defaults.ok) {
            return defaults;
        }
    }
    if (there || missing == WhenMissing::StartFromDefaults) {
        state = read;
        copyStateFileFields(fields, profile);
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
    Outcome outcome = readStateFileInto(dialog, file(".sta"), WhenMissing::StartFromDefaults);
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
        outcome.messages.push_back(nonNumericMessage(*bad));
        outcome.badBox = *bad;
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

// Runs a press or button of the loaded state tax dialog and carries its effects outside it: the
// boxes changed, not yet saved.
template <typename Press>
Outcome Session::onStateDialog(Press press) {
    if (!stateDialog.loaded()) {
        return {};
    }
    StateDialog& dialog = *stateDialog.model;
    PresetEffects effects = press(dialog);
    dialog.unsaved = true;
    applyPresetEffects(dialog, effects);
    return {};
}

Outcome Session::stateDialogType(const BadBox& box, const std::string& text) {
    return stateDialog.loaded() ? typeInto(*stateDialog.model, box, text) : Outcome{};
}

Outcome Session::stateDialogPressSpecialState(SpecialState which) {
    return onStateDialog(
        [&](StateDialog& d) { return d.pressSpecialState(which, presetContext()); });
}

Outcome Session::stateDialogSpouseWorks(bool checked) {
    return onStateDialog(
        [&](StateDialog& d) { return d.spouseWorksChanged(checked ? 1 : 0, presetContext()); });
}

Outcome Session::stateDialogNoStateTax(bool checked) {
    return onStateDialog([&](StateDialog& d) {
        d.noStateTaxChanged(checked ? 1 : 0, state);
        return PresetEffects{};
    });
}

Outcome Session::stateDialogRoundState(bool checked) {
    return onStateDialog([&](StateDialog& d) {
        d.ckRoundOff.value = checked ? 1 : 0;
        return PresetEffects{};
    });
}

Outcome Session::stateDialogUseBase(UseBase which, bool checked) {
    return onStateDialog([&](StateDialog& d) {
        if (which == UseBase::Sdi) {
            d.sdiUseBaseChanged(checked ? 1 : 0);
        } else {
            d.suiUseBaseChanged(checked ? 1 : 0);
        }
        return PresetEffects{};
    });
}

Outcome Session::stateDialogNewYork() {
    return onStateDialog([](StateDialog& d) {
        d.newYorkButton();
        return PresetEffects{};
    });
}

Outcome Session::stateDialogClearAll() {
    return onStateDialog([](StateDialog& d) {
        d.clearAll();
        return PresetEffects{};
    });
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
        return refusedBox(*bad);
    }
    if (Outcome refused = prepareProfileForSave(); !refused.ok) {
        return refused;
    }
    // The state file and the profile files, which keep the rest of the state switches.
    std::vector<FileContent> files = {stateFileContent(file(".sta"), state, profile)};
    for (FileContent& content : profileContents(UserFile)) {
        files.push_back(std::move(content));
    }
    Outcome outcome = saveFiles(files);
    afterProfileSaved();
    if (outcome.ok) {
        stateDialog.unload();
    }
    return outcome;
}

Outcome Session::stateDialogCancel() {
    stateDialog.unload();
    // The main window's Louisiana box follows the settings, which the dialog left unchanged.
    main.ckLouisPrior.visible = state.StateLouis != 0;
    return {};
}

Outcome Session::stateDialogMakeDefault() {
    if (!stateDialog.loaded()) {
        return {};  // the dialog is not open: nothing to take over
    }
    if (auto bad = stateDialog.model->fillVari(state)) {
        return refusedBox(*bad);
    }
    if (Outcome refused = prepareProfileForSave(); !refused.ok) {
        return refused;
    }
    // The employee's state and profile files, and every file once more under the empty name,
    // in one transaction.
    std::vector<FileContent> files = {stateFileContent(file(".sta"), state, profile)};
    for (FileContent& content : profileContents(UserFile)) {
        files.push_back(std::move(content));
    }
    for (FileContent& content : employeeContents("")) {
        files.push_back(std::move(content));
    }
    Outcome outcome = saveFiles(files);
    afterProfileSaved();
    stateDialog.unload();
    cityDialog.unload();
    nonCityDialog.unload();
    taxInfo.unload();
    return outcome;
}

Outcome Session::stateDialogGetDefault() {
    Outcome outcome = ReadDefaultStateFile();
    if (outcome.ok && stateDialog.loaded()) {
        stateDialog.model->unsaved = false;
        main.ckLouisPrior.visible = stateDialog.model->louisPriorVisible;
    }
    return outcome;
}

Outcome Session::ReadStateFile() {
    if (!stateDialog.loaded()) {
        return loadStateDialog();
    }
    return readStateFileInto(*stateDialog.model, file(".sta"), WhenMissing::StartFromDefaults);
}

Outcome Session::ReadDefaultStateFile() {
    if (!stateDialog.loaded()) {
        Outcome outcome = loadStateDialog();
        if (!outcome.ok) {
            return outcome;
        }
    }
    return readStateFileInto(*stateDialog.model, employeeFile(folder, "", ".sta"),
                             WhenMissing::ChangeNothing);
}

Outcome Session::WriteStateFile() {
    return saveFiles({stateFileContent(file(".sta"), state, profile)});
}

// --- City dialog ----------------------------------------------------------------------------

Outcome Session::cityLoadSequence(CityDialog& dialog) {
    CitySettings read = city;
    if (ProfileFileExists(".cti")) {
        if (Status status = readCityFile(file(".cti"), read); status.failed()) {
            return failed(corruptedFileMessage(status.error()));
        }
    } else if (Outcome defaults = defaultCity(read); !defaults.ok) {
        return defaults;
    }
    city = read;
    dialog.showSettings(city);
    dialog.CheckFor();
    if (auto bad = dialog.fillVar(city)) {
        return refusedBox(*bad);
    }
    return {};
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
        return refusedBox(*bad);
    }
    Outcome outcome = WriteCityFile();
    if (outcome.ok) {
        cityDialog.unload();
    }
    return outcome;
}

Outcome Session::cityDialogCancel() {
    cityDialog.unload();
    return {};
}

Outcome Session::showCityDialog() {
    Outcome outcome = loadCityDialog();
    if (cityDialog.loaded()) {
        cityDialog.shown = true;
    }
    return outcome;
}

Outcome Session::cityDialogType(const BadBox& box, const std::string& text) {
    return cityDialog.loaded() ? typeInto(*cityDialog.model, box, text) : Outcome{};
}

Outcome Session::cityDialogNoLocalTax(bool checked) {
    if (cityDialog.loaded()) {
        cityDialog.model->noLocalTaxChanged(checked ? 1 : 0, city);
        cityDialog.model->unsaved = true;
    }
    return {};
}

Outcome Session::cityDialogNewYork() {
    if (cityDialog.loaded()) {
        cityDialog.model->newYork();
        cityDialog.model->unsaved = true;
    }
    return {};
}

Outcome Session::cityDialogClearAll() {
    if (cityDialog.loaded()) {
        cityDialog.model->clearAll();
        cityDialog.model->unsaved = true;
    }
    return {};
}

Outcome Session::ReadCityFile() {
    if (!cityDialog.loaded()) {
        return loadCityDialog();
    }
    if (!ProfileFileExists(".cti")) {
        return {};
    }
    CitySettings read = city;
    if (Status status = readCityFile(file(".cti"), read); status.failed()) {
        return failed(corruptedFileMessage(status.error()));
    }
    city = read;
    cityDialog.model->showSettings(city);
    return {};
}

Outcome Session::WriteCityFile() {
    return saveFiles({cityFileContent(file(".cti"), city)});
}

// --- Non-city dialog ------------------------------------------------------------------------

Outcome Session::nonCityLoadSequence(NonCityDialog& dialog) {
    NonCitySettings read = nonCity;
    if (ProfileFileExists(".nci")) {
        if (Status status = readNonCityFile(file(".nci"), read); status.failed()) {
            return failed(corruptedFileMessage(status.error()));
        }
    } else if (Outcome defaults = defaultNonCity(read); !defaults.ok) {
        return defaults;
    }
    nonCity = read;
    dialog.showSettings(nonCity);
    dialog.ChkFor();
    if (auto bad = dialog.fillVarib(nonCity)) {
        return refusedBox(*bad);
    }
    return {};
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
        return refusedBox(*bad);
    }
    Outcome outcome = WriteNonCityFile();
    if (outcome.ok) {
        nonCityDialog.unload();
    }
    return outcome;
}

Outcome Session::nonCityDialogCancel() {
    nonCityDialog.shown = false;
    return {};
}

Outcome Session::showNonCityDialog() {
    Outcome outcome = loadNonCityDialog();
    if (nonCityDialog.loaded()) {
        nonCityDialog.shown = true;
    }
    return outcome;
}

Outcome Session::nonCityDialogType(const BadBox& box, const std::string& text) {
    return nonCityDialog.loaded() ? typeInto(*nonCityDialog.model, box, text) : Outcome{};
}

Outcome Session::nonCityDialogDefault() {
    if (nonCityDialog.loaded()) {
        nonCityDialog.model->deFault();
        nonCityDialog.model->unsaved = true;
    }
    return {};
}

Outcome Session::ReadNonCityFile() {
    if (!ProfileFileExists(".nci")) {
        return {};
    }
    if (!nonCityDialog.loaded()) {
        return loadNonCityDialog();
    }
    NonCitySettings read = nonCity;
    if (Status status = readNonCityFile(file(".nci"), read); status.failed()) {
        return failed(corruptedFileMessage(status.error()));
    }
    nonCity = read;
    nonCityDialog.model->showSettings(nonCity);
    return {};
}

Outcome Session::WriteNonCityFile() {
    return saveFiles({nonCityFileContent(file(".nci"), nonCity)});
}

// --- Tax information dialog -----------------------------------------------------------------

void Session::showTaxInfoItems(const TaxInfoMainItems& items) {
    for (std::size_t i = 0; i < items.deductionCaptions.size(); ++i) {
        main.lbTaxTag[5 + i].caption = items.deductionCaptions[i];
    }
    main.lbTableNotice.caption = items.tableNotice;
}

// The load sequence takes the profile over into the dialog and back; it writes nothing (the
// profile files are written by the saves, with what was read or typed).
Outcome Session::loadTaxInfo() {
    if (taxInfo.loaded()) {
        return {};
    }
    taxInfo.model.emplace();
    taxInfo.model->prepareLoad(profile);
    auto taken = taxInfo.model->fillVar_(profile);
    if (auto* bad = std::get_if<BadBox>(&taken)) {
        return refusedBox(*bad);
    }
    showTaxInfoItems(std::get<TaxInfoMainItems>(taken));
    return {};
}

Outcome Session::taxInfoSave() {
    if (!taxInfo.loaded()) {
        return {};  // the dialog is not open: nothing to take over
    }
    auto taken = taxInfo.model->fillVar_(profile);
    if (auto* bad = std::get_if<BadBox>(&taken)) {
        return refusedBox(*bad);
    }
    showTaxInfoItems(std::get<TaxInfoMainItems>(taken));
    // The profile files and every other file of the employee, in one save.
    Outcome outcome = saveAction(UserFile);
    if (outcome.ok) {
        taxInfo.unload();
    }
    return outcome;
}

Outcome Session::taxInfoClose() {
    taxInfo.unload();
    return {};
}

Outcome Session::showTaxInfo() {
    Outcome outcome = loadTaxInfo();
    if (taxInfo.loaded()) {
        taxInfo.shown = true;
    }
    return outcome;
}

Outcome Session::taxInfoKplanFixed(bool checked) {
    if (taxInfo.loaded()) {
        taxInfo.model->kplanFixedChanged(checked ? 1 : 0);
    }
    return {};
}

Outcome Session::taxInfoKplanPercent(bool checked) {
    if (taxInfo.loaded()) {
        taxInfo.model->kplanPercentChanged(checked ? 1 : 0);
    }
    return {};
}

Outcome Session::taxInfoFrequency(bool weekly) {
    if (taxInfo.loaded()) {
        taxInfo.model->selectFrequency(weekly);
    }
    return {};
}

}  // namespace quillon
