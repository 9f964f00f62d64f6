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

// --- The workflow every settings dialog runs through ------------------------------------------
// What differs between the state, city and non-city dialogs is handed in: the load sequence,
// whether "SAVE" fills the blank boxes first (the model says), the files "SAVE" writes, and what
// "CANCEL" does.

// What "CANCEL" does with a settings dialog.
enum class OnCancel {
    Unload,            // state and city: the dialog goes, and its edits with it
    HideKeepingEdits,  // non-city: hidden; the edits are there at the next showing
};

// Loading: a loaded dialog stays as it is; a load sequence that fails leaves it unloaded.
template <typename Model, typename Sequence>
Outcome loadSlot(DialogSlot<Model>& slot, Sequence sequence) {
    if (slot.loaded()) {
        return {};
    }
    slot.model.emplace();
    Outcome outcome = sequence(*slot.model);
    if (!outcome.ok) {
        slot.unload();
    }
    return outcome;
}

// Showing: loaded when needed, then shown (modeless).
template <typename Model, typename Sequence>
Outcome showSlot(DialogSlot<Model>& slot, Sequence sequence) {
    Outcome outcome = loadSlot(slot, sequence);
    if (slot.loaded()) {
        slot.shown = true;
    }
    return outcome;
}

// A press, a check box or a button of a loaded dialog that changes its boxes; nothing is
// stored until "SAVE". change returns what else the event does (the state dialog's presets).
template <typename Model, typename Change>
auto changeSlot(DialogSlot<Model>& slot, Change change)
    -> std::optional<decltype(change(*slot.model))> {
    if (!slot.loaded()) {
        return std::nullopt;
    }
    auto effects = change(*slot.model);
    slot.model->unsaved = true;
    return effects;
}

// "SAVE": the blank boxes filled where the dialog does so, the boxes taken over into the
// settings (a box that is not a number refuses the save: nothing written, the dialog stays with
// the box named), the files written as one transaction, and the dialog unloaded.
template <typename Model, typename Settings, typename Write>
Outcome saveSlot(DialogSlot<Model>& slot, Settings& settings, Write write) {
    if (!slot.loaded()) {
        return {};  // the dialog is not open: nothing to take over
    }
    Model& dialog = *slot.model;
    if (dialog.saveFillsBlankBoxes()) {
        dialog.fillBlankBoxes();
    }
    if (auto bad = dialog.takeOverBoxes(settings)) {
        return refusedBox(*bad);
    }
    Outcome outcome = write();
    if (outcome.ok) {
        slot.unload();
    }
    return outcome;
}

template <typename Model>
Outcome cancelSlot(DialogSlot<Model>& slot, OnCancel onCancel) {
    if (onCancel == OnCancel::Unload) {
        slot.unload();
    } else {
        slot.shown = false;
    }
    return {};
}

// A settings file into the settings, whole or not at all; the session remembers what it read.
template <typename Settings, typename Reader>
Outcome readSettingsFile(Session& session, const std::filesystem::path& path, Settings& settings,
                         Reader reader) {
    Settings read = settings;
    Fingerprint asRead;
    if (Status status = reader(path, read, &asRead); status.failed()) {
        return failed(corruptedFileMessage(status.error()));
    }
    settings = read;
    session.rememberRead(path, asRead);
    return {};
}

const auto kCityReader = [](const std::filesystem::path& path, CitySettings& c,
                            Fingerprint* asRead) { return readCityFile(path, c, asRead); };
const auto kNonCityReader = [](const std::filesystem::path& path, NonCitySettings& n,
                               Fingerprint* asRead) { return readNonCityFile(path, n, asRead); };

// The city and non-city load sequence: the settings from the employee's file, else from the
// defaults; the boxes show them; the blank boxes filled; the boxes taken over.
template <typename Model, typename Settings, typename ReadOrDefaults>
Outcome tableLoadSequence(Model& dialog, Settings& settings, ReadOrDefaults readOrDefaults) {
    Settings read = settings;
    if (Outcome got = readOrDefaults(read); !got.ok) {
        return got;
    }
    settings = read;
    dialog.showSettings(settings);
    dialog.fillBlankBoxes();
    if (auto bad = dialog.takeOverBoxes(settings)) {
        return refusedBox(*bad);
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
    StateFormulaInput formula = stateFormulaInput(results, payEmployee(), state, StateExpAmt,
                                                  yearRegister.totals.TotSS.toSingle(),
                                                  yearRegister.totals.TotMedi.toSingle());
    formula.StateStatus = ctx.StateStatus;  // as the User Info box shows it
    ctx.formula = formula;
    return ctx;
}

void Session::applyPresetEffects(const StateDialog& dialog, const PresetEffects& effects) {
    if (main.ckLouisPrior.visible != dialog.louisPriorVisible) {
        main.ckLouisPrior.visible = dialog.louisPriorVisible;
        observers_.add(Part::MainWindow);
    }
    if (effects.StateTax) {
        results.StateTax = static_cast<float>(*effects.StateTax);
        observers_.add(Part::MainWindow | Part::CheckWriter);
    }
    if (effects.userInfoFromSettings && taxInfo.loaded()) {
        taxInfo.model->showStateFields(profile);
        observers_.add(Part::TaxInfo);
    }
}

// The state file into the settings and the five employee fields, whole or not at all. Without
// the file, the load sequence starts from the defaults; "Get Default" changes nothing.
Outcome Session::readStateFileInto(StateDialog& dialog, const std::filesystem::path& path,
                                   WhenMissing missing) {
    StateSettings read = state;
    Profile fields = profile;
    const bool there = fileExists(path);
    Fingerprint asRead;
    if (there) {
        if (Status status = readStateFile(path, read, fields, &asRead); status.failed()) {
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
        rememberRead(path, asRead);
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
    if (dialog.loadFillsBlankBoxes()) {
        dialog.fillBlankBoxes();
    }
    applyPresetEffects(dialog, dialog.applyCheckedPresets(presetContext()));
    if (auto bad = dialog.takeOverBoxes(state)) {
        outcome.ok = false;
        outcome.messages.push_back(nonNumericMessage(*bad));
        outcome.badBox = *bad;
    }
    dialog.showUseBaseLabels();
    return outcome;
}

Outcome Session::loadStateDialog() {
    const Change change(*this, Part::StateDialog | Part::MainWindow | Part::TaxInfo);
    return loadSlot(stateDialog, [&](StateDialog& d) { return stateLoadSequence(d); });
}

Outcome Session::showStateDialog() {
    const Change change(*this, Part::StateDialog | Part::MainWindow | Part::TaxInfo);
    Outcome outcome = showSlot(stateDialog, [&](StateDialog& d) { return stateLoadSequence(d); });
    if (stateDialog.loaded()) {
        applyPresetEffects(*stateDialog.model, stateDialog.model->afterShown(presetContext()));
    }
    return outcome;
}

// Runs a press or button of the loaded state tax dialog and carries its effects outside it.
template <typename Press>
Outcome Session::onStateDialog(Press press) {
    if (auto effects = changeSlot(stateDialog, press)) {
        applyPresetEffects(*stateDialog.model, *effects);
    }
    return {};
}

Outcome Session::stateDialogType(const BadBox& box, const std::string& text) {
    const Change change(*this, Part::StateDialog);
    return stateDialog.loaded() ? typeInto(*stateDialog.model, box, text) : Outcome{};
}

Outcome Session::stateDialogPressSpecialState(SpecialState which) {
    const Change change(*this, Part::StateDialog);
    return onStateDialog(
        [&](StateDialog& d) { return d.pressSpecialState(which, presetContext()); });
}

Outcome Session::stateDialogSpouseWorks(bool checked) {
    const Change change(*this, Part::StateDialog);
    return onStateDialog(
        [&](StateDialog& d) { return d.spouseWorksChanged(checked ? 1 : 0, presetContext()); });
}

Outcome Session::stateDialogNoStateTax(bool checked) {
    const Change change(*this, Part::StateDialog);
    return onStateDialog([&](StateDialog& d) {
        d.noStateTaxChanged(checked ? 1 : 0, state);
        return PresetEffects{};
    });
}

Outcome Session::stateDialogRoundState(bool checked) {
    const Change change(*this, Part::StateDialog);
    return onStateDialog([&](StateDialog& d) {
        d.ckRoundOff.value = checked ? 1 : 0;
        return PresetEffects{};
    });
}

Outcome Session::stateDialogUseBase(UseBase which, bool checked) {
    const Change change(*this, Part::StateDialog);
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
    const Change change(*this, Part::StateDialog);
    return onStateDialog([](StateDialog& d) {
        d.newYork();
        return PresetEffects{};
    });
}

Outcome Session::stateDialogClearAll() {
    const Change change(*this, Part::StateDialog);
    return onStateDialog([](StateDialog& d) {
        d.clearAll();
        return PresetEffects{};
    });
}

// The state dialog's "SAVE" writes the state file and the profile files, which keep the rest of
// the state switches.
Outcome Session::stateDialogSave() {
    const Change change(*this, Part::StateDialog | Part::MainWindow | Part::TaxInfo);
    return saveSlot(stateDialog, state, [&]() -> Outcome {
        if (Outcome refused = prepareProfileForSave(); !refused.ok) {
            return refused;
        }
        std::vector<FileContent> files = {stateFileContent(file(".sta"), state, profile)};
        for (FileContent& content : profileContents(UserFile)) {
            files.push_back(std::move(content));
        }
        Outcome outcome = saveFiles(files);
        afterProfileSaved();
        return outcome;
    });
}

Outcome Session::stateDialogCancel() {
    const Change change(*this, Part::StateDialog | Part::MainWindow);
    (void)cancelSlot(stateDialog, OnCancel::Unload);
    // The main window's Louisiana box follows the settings, which the dialog left unchanged.
    main.ckLouisPrior.visible = state.StateLouis != 0;
    return {};
}

Outcome Session::stateDialogMakeDefault() {
    const Change change(*this, Changes::everything());
    if (!stateDialog.loaded()) {
        return {};  // the dialog is not open: nothing to take over
    }
    if (auto bad = stateDialog.model->takeOverBoxes(state)) {
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
    // Saved, the dialogs load again from the files; refused, the state dialog stays with the
    // operator's edits.
    if (outcome.ok) {
        stateDialog.unload();
        cityDialog.unload();
        nonCityDialog.unload();
        taxInfo.unload();
    }
    return outcome;
}

Outcome Session::stateDialogGetDefault() {
    const Change change(*this, Part::StateDialog | Part::MainWindow | Part::TaxInfo);
    Outcome outcome = ReadDefaultStateFile();
    if (outcome.ok && stateDialog.loaded()) {
        stateDialog.model->unsaved = false;
        main.ckLouisPrior.visible = stateDialog.model->louisPriorVisible;
    }
    return outcome;
}

Outcome Session::ReadStateFile() {
    const Change change(*this, Part::StateDialog | Part::MainWindow | Part::TaxInfo);
    if (!stateDialog.loaded()) {
        return loadStateDialog();
    }
    return readStateFileInto(*stateDialog.model, file(".sta"), WhenMissing::StartFromDefaults);
}

Outcome Session::ReadDefaultStateFile() {
    const Change change(*this, Part::StateDialog | Part::MainWindow | Part::TaxInfo);
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
    return tableLoadSequence(dialog, city, [&](CitySettings& read) {
        if (ProfileFileExists(".cti")) {
            return readSettingsFile(*this, file(".cti"), read, kCityReader);
        }
        rememberRead(file(".cti"), Fingerprint::missing());
        return defaultCity(read);
    });
}

Outcome Session::loadCityDialog() {
    const Change change(*this, Part::CityDialog);
    return loadSlot(cityDialog, [&](CityDialog& d) { return cityLoadSequence(d); });
}

Outcome Session::showCityDialog() {
    const Change change(*this, Part::CityDialog);
    return showSlot(cityDialog, [&](CityDialog& d) { return cityLoadSequence(d); });
}

Outcome Session::cityDialogType(const BadBox& box, const std::string& text) {
    const Change change(*this, Part::CityDialog);
    return cityDialog.loaded() ? typeInto(*cityDialog.model, box, text) : Outcome{};
}

Outcome Session::cityDialogNoLocalTax(bool checked) {
    const Change change(*this, Part::CityDialog);
    (void)changeSlot(cityDialog, [&](CityDialog& d) {
        d.noLocalTaxChanged(checked ? 1 : 0, city);
        return true;
    });
    return {};
}

Outcome Session::cityDialogNewYork() {
    const Change change(*this, Part::CityDialog);
    (void)changeSlot(cityDialog, [](CityDialog& d) {
        d.newYork();
        return true;
    });
    return {};
}

Outcome Session::cityDialogClearAll() {
    const Change change(*this, Part::CityDialog);
    (void)changeSlot(cityDialog, [](CityDialog& d) {
        d.clearAll();
        return true;
    });
    return {};
}

Outcome Session::cityDialogSave() {
    const Change change(*this, Part::CityDialog);
    return saveSlot(cityDialog, city, [&] { return WriteCityFile(); });
}

Outcome Session::cityDialogCancel() {
    const Change change(*this, Part::CityDialog);
    return cancelSlot(cityDialog, OnCancel::Unload);
}

Outcome Session::ReadCityFile() {
    const Change change(*this, Part::CityDialog);
    if (!cityDialog.loaded()) {
        return loadCityDialog();
    }
    if (!ProfileFileExists(".cti")) {
        return {};
    }
    Outcome outcome = readSettingsFile(*this, file(".cti"), city, kCityReader);
    if (outcome.ok) {
        cityDialog.model->showSettings(city);
    }
    return outcome;
}

Outcome Session::WriteCityFile() {
    return saveFiles({cityFileContent(file(".cti"), city)});
}

// --- Non-city dialog ------------------------------------------------------------------------

Outcome Session::nonCityLoadSequence(NonCityDialog& dialog) {
    return tableLoadSequence(dialog, nonCity, [&](NonCitySettings& read) {
        if (ProfileFileExists(".nci")) {
            return readSettingsFile(*this, file(".nci"), read, kNonCityReader);
        }
        rememberRead(file(".nci"), Fingerprint::missing());
        return defaultNonCity(read);
    });
}

Outcome Session::loadNonCityDialog() {
    const Change change(*this, Part::NonCityDialog);
    return loadSlot(nonCityDialog, [&](NonCityDialog& d) { return nonCityLoadSequence(d); });
}

Outcome Session::showNonCityDialog() {
    const Change change(*this, Part::NonCityDialog);
    return showSlot(nonCityDialog, [&](NonCityDialog& d) { return nonCityLoadSequence(d); });
}

Outcome Session::nonCityDialogType(const BadBox& box, const std::string& text) {
    const Change change(*this, Part::NonCityDialog);
    return nonCityDialog.loaded() ? typeInto(*nonCityDialog.model, box, text) : Outcome{};
}

Outcome Session::nonCityDialogDefault() {
    const Change change(*this, Part::NonCityDialog);
    (void)changeSlot(nonCityDialog, [](NonCityDialog& d) {
        d.deFault();
        return true;
    });
    return {};
}

Outcome Session::nonCityDialogSave() {
    const Change change(*this, Part::NonCityDialog);
    return saveSlot(nonCityDialog, nonCity, [&] { return WriteNonCityFile(); });
}

Outcome Session::nonCityDialogCancel() {
    const Change change(*this, Part::NonCityDialog);
    return cancelSlot(nonCityDialog, OnCancel::HideKeepingEdits);
}

Outcome Session::ReadNonCityFile() {
    const Change change(*this, Part::NonCityDialog);
    if (!ProfileFileExists(".nci")) {
        return {};
    }
    if (!nonCityDialog.loaded()) {
        return loadNonCityDialog();
    }
    Outcome outcome = readSettingsFile(*this, file(".nci"), nonCity, kNonCityReader);
    if (outcome.ok) {
        nonCityDialog.model->showSettings(nonCity);
    }
    return outcome;
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
    const Change change(*this, Part::TaxInfo | Part::MainWindow);
    if (taxInfo.loaded()) {
        return {};
    }
    taxInfo.model.emplace();
    taxInfo.model->prepareLoad(profile);
    auto taken = taxInfo.model->takeOverBoxes(profile);
    if (auto* bad = std::get_if<BadBox>(&taken)) {
        return refusedBox(*bad);
    }
    showTaxInfoItems(std::get<TaxInfoMainItems>(taken));
    return {};
}

Outcome Session::taxInfoSave() {
    const Change change(*this, Changes::everything());
    if (!taxInfo.loaded()) {
        return {};  // the dialog is not open: nothing to take over
    }
    auto taken = taxInfo.model->takeOverBoxes(profile);
    if (auto* bad = std::get_if<BadBox>(&taken)) {
        return refusedBox(*bad);
    }
    showTaxInfoItems(std::get<TaxInfoMainItems>(taken));
    // The K plan kinds made exclusive before anything is written. "Save" once wrote the profile
    // files twice before the employee's save, the second time with the flags the first write had
    // made exclusive; one save of what the second write wrote does the same.
    taxInfo.model->makeKplanExclusive(profile);
    // The profile files and every other file of the employee, in one save.
    Outcome outcome = saveAction(UserFile);
    if (outcome.ok) {
        taxInfo.unload();
    }
    return outcome;
}

Outcome Session::taxInfoClose() {
    const Change change(*this, Part::TaxInfo);
    taxInfo.unload();
    return {};
}

Outcome Session::showTaxInfo() {
    const Change change(*this, Part::TaxInfo | Part::MainWindow);
    Outcome outcome = loadTaxInfo();
    if (taxInfo.loaded()) {
        taxInfo.shown = true;
    }
    return outcome;
}

Outcome Session::taxInfoKplanFixed(bool checked) {
    const Change change(*this, Part::TaxInfo);
    if (taxInfo.loaded()) {
        taxInfo.model->kplanFixedChanged(checked ? 1 : 0);
    }
    return {};
}

Outcome Session::taxInfoKplanPercent(bool checked) {
    const Change change(*this, Part::TaxInfo);
    if (taxInfo.loaded()) {
        taxInfo.model->kplanPercentChanged(checked ? 1 : 0);
    }
    return {};
}

Outcome Session::taxInfoFrequency(bool weekly) {
    const Change change(*this, Part::TaxInfo);
    if (taxInfo.loaded()) {
        taxInfo.model->selectFrequency(weekly);
    }
    return {};
}

Outcome Session::taxInfoType(std::string_view control, const std::string& text) {
    const Change change(*this, Part::TaxInfo);
    if (TextBox* box = taxInfo.loaded() ? taxInfo.model->box(control) : nullptr) {
        box->text = text;
    }
    return {};
}

Outcome Session::taxInfoCheck(std::string_view control, bool checked) {
    const Change change(*this, Part::TaxInfo);
    if (CheckBox* box = taxInfo.loaded() ? taxInfo.model->checkBox(control) : nullptr) {
        box->value = checked ? 1 : 0;
    }
    return {};
}

}  // namespace quillon
