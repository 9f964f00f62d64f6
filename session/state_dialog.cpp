// The state tax dialog's procedures; the special states' presets are in state_presets.cpp.
#include "session/state_dialog.hpp"

#include <string_view>

#include "engine/money.hpp"
#include "session/state_presets.hpp"

namespace quillon {

using namespace state_boxes;

namespace {

void showUseBaseLabel(Label& label, const CheckBox& useBase) {
    label.caption = useBase.value != 0 ? kStateWageBaseCaption : kStateFlatRateCaption;
}

void showTables(StateDialog& d, const StateSettings& s) {
    for (const TableColumn& c : kColumns) {
        for (std::size_t r = 0; r < 10; ++r) {
            (d.*c.boxes)[r].text = decimalText((s.*c.setting)[r]);
        }
    }
}

void showSingles(StateDialog& d, const StateSettings& s) {
    for (const SingleBox& b : kSingles) {
        (d.*b.box).text = decimalText(s.*b.setting);
    }
}

void showUseBase(StateDialog& d, const StateSettings& s) {
    d.ckSDI.value = s.SDIuseBase;
    d.ckSUI.value = s.SUIuseBase;
    d.showUseBaseLabels();
}

}  // namespace

void PresetEffects::merge(const PresetEffects& later) {
    if (later.StateTax) {
        StateTax = later.StateTax;
    }
    userInfoFromSettings = userInfoFromSettings || later.userInfoFromSettings;
}

// --- Boxes and settings --------------------------------------------------------------------------

void StateDialog::fillBlankBoxes() {
    for (const TableColumn& c : kColumns) {
        for (std::size_t r = 0; r < 10; ++r) {
            TextBox& box = (this->*c.boxes)[r];
            if (box.text.empty()) {
                box.text = (*c.newYork)[r];
            }
        }
    }
    for (const SingleBox& b : kSingles) {
        TextBox& box = this->*b.box;
        if (box.text.empty()) {
            box.text = kNewYorkStateSingleBox;
        }
    }
}

std::optional<BadBox> StateDialog::takeOverBoxes(StateSettings& s) {
    fillBlankBoxes();
    // Every box is converted before any setting changes, so a refused copy leaves the settings
    // as they were. The boxes are visited in the order they are taken over.
    std::array<StateSettings::Column, kColumns.size()> columns{};
    auto convert = [](const TextBox& box, const char* control, int row,
                      float& out) -> std::optional<BadBox> {
        const std::optional<float> value = strictAmount(box.text);
        if (!value) {
            return namedBox(control, row);
        }
        out = *value;
        return std::nullopt;
    };
    for (std::size_t r = 0; r < 10; ++r) {
        for (std::size_t c = 0; c < kTableColumns; ++c) {
            if (auto bad = convert((this->*kColumns[c].boxes)[r], kColumns[c].name,
                                   static_cast<int>(r), columns[c][r])) {
                return bad;
            }
        }
    }
    for (std::size_t r = 0; r < 10; ++r) {
        for (std::size_t c = kTableColumns; c < kColumns.size(); ++c) {
            if (auto bad = convert((this->*kColumns[c].boxes)[r], kColumns[c].name,
                                   static_cast<int>(r), columns[c][r])) {
                return bad;
            }
        }
    }
    std::array<float, kSingles.size()> singles{};
    for (std::size_t i = 0; i < kSingles.size(); ++i) {
        if (auto bad = convert(this->*kSingles[i].box, kSingles[i].name, -1, singles[i])) {
            return bad;
        }
    }

    s.NoStateTax = ckNoStateTax.value;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        for (std::size_t r = 0; r < 10; ++r) {
            (s.*kColumns[c].setting)[r] = columns[c][r];
        }
    }
    for (std::size_t i = 0; i < kSingles.size(); ++i) {
        s.*kSingles[i].setting = singles[i];
    }
    liveSwitches(s);
    return std::nullopt;
}

void StateDialog::showSettings(const StateSettings& s) {
    showTables(*this, s);
    showSingles(*this, s);
    ckNoStateTax.value = s.NoStateTax;
    showUseBase(*this, s);
}

void StateDialog::showSwitches(const StateSettings& s) {
    for (const SpecialSwitch& sw : kSpecialSwitches) {
        (this->*sw.box).value = s.*sw.setting;
    }
    ckSpouse.value = s.SpouseWorks;
    ckRoundOff.value = s.RoundState;
}

void StateDialog::liveSwitches(StateSettings& s) const {
    s.SDIuseBase = ckSDI.value;
    s.SUIuseBase = ckSUI.value;
    for (const SpecialSwitch& sw : kSpecialSwitches) {
        s.*sw.setting = (this->*sw.box).value;
    }
    s.SpouseWorks = ckSpouse.value;
    s.RoundState = ckRoundOff.value;
}

void StateDialog::liveAmounts(StateSettings& s) const {
    s.StateAdj = static_cast<float>(leadingNumber(txtStateAdj.text));
    s.CalAllow = static_cast<float>(leadingNumber(txtCalAllow.text));
}

void StateDialog::ZeroBlankStateBoxes() {
    for (const SingleBox& b : kSingles) {
        TextBox& box = this->*b.box;
        if (box.text.empty()) {
            box.text = "0";
        }
    }
}

// --- Buttons and check boxes ---------------------------------------------------------------------

void StateDialog::SetNewYork() {
    for (const TableColumn& c : kColumns) {
        for (std::size_t r = 0; r < 10; ++r) {
            (this->*c.boxes)[r].text = (*c.newYork)[r];
        }
    }
    for (const SingleBox& b : kSingles) {
        TextBox& box = this->*b.box;
        if (box.text.empty()) {
            box.text = kNewYorkStateSingleBox;
        }
    }
    setBiweeklyLabelsVisible(*this, true);
    // Oregon relabels the table headings for a weekly period and Kentucky disables them; the
    // New York tables are bi-weekly.
    Label19.caption = "BIWEEKLY ";
    Label20.caption = "BIWEEKLY ";
    Label21.enabled = true;
    Label14.caption = "Single";
    Label15.caption = "Married";
    Label21.caption = "BiWeekly";
    Label13.caption = "# of Exemp";
    Label5.caption = "Table for MARRIED Persons";
    enableTableLabels(*this, true);
    for (StateDialog::Column* column : {&txtStateMinBS, &txtStateAmtBS, &txtStatePerBS}) {
        for (TextBox& box : *column) {
            box.enabled = true;
        }
    }
}

void StateDialog::newYork() {
    ckNoStateTax.value = 0;
    for (const SpecialSwitch& sw : kSpecialSwitches) {
        (this->*sw.box).value = 0;
    }
    clearSpouseWorks(*this);
    ckRoundOff.value = 0;
    louisPriorVisible = false;
    SetNewYork();
    labelAllowanceRows(*this);
    enableRows(*this, 0, 9, true);
    enableAllowances(*this, 0, 9, true);
}

void StateDialog::SetNoStateTax(StateSettings& s) {
    s.NoStateTax = 1;
    ckNoStateTax.value = 1;
    for (const TableColumn& c : kColumns) {
        for (TextBox& box : this->*c.boxes) {
            box.text = c.minimum ? kStateUnusedMinimumText : "0";
        }
    }
    showSingles(*this, s);
    showUseBase(*this, s);
    for (const SpecialSwitch& sw : kSpecialSwitches) {
        (this->*sw.box).value = 0;
    }
    clearSpouseWorks(*this);
    louisPriorVisible = false;
    ckRoundOff.value = s.RoundState;
}

void StateDialog::noStateTaxChanged(std::int16_t value, StateSettings& s) {
    ckNoStateTax.value = value;
    if (value != 0) {
        SetNoStateTax(s);
    } else {
        showTables(*this, s);
    }
    showSingles(*this, s);
    showUseBase(*this, s);
}

void StateDialog::clearAll() {
    for (const TableColumn& c : kColumns) {
        for (TextBox& box : this->*c.boxes) {
            box.text = c.minimum ? kStateUnusedMinimumText : "0";
        }
    }
    ckRoundOff.value = 0;
    clearSpouseWorks(*this);
}

void StateDialog::sdiUseBaseChanged(std::int16_t value) {
    ckSDI.value = value;
    showUseBaseLabel(lbSDIbase, ckSDI);
    if (value == 0) {
        txtSDIpercent.text = "0";
    }
}

void StateDialog::suiUseBaseChanged(std::int16_t value) {
    ckSUI.value = value;
    showUseBaseLabel(lbSUIbase, ckSUI);
    if (value == 0) {
        txtSUIpercent.text = "0";
    }
}

PresetEffects StateDialog::spouseWorksChanged(std::int16_t value, const PresetContext& ctx) {
    ckSpouse.value = value;
    if (ckMissouri.value != 0) {
        return MissouriSet(ctx);
    }
    return {};
}

PresetEffects StateDialog::pressSpecialState(SpecialState which, const PresetContext& ctx) {
    CheckBox& pressed = specialBox(which);
    const bool wasChecked = pressed.value != 0;
    for (const SpecialSwitch& sw : kSpecialSwitches) {
        CheckBox& box = this->*sw.box;
        if (&box != &pressed) {
            box.value = 0;
        }
    }
    ckNoStateTax.value = 0;
    louisPriorVisible = false;

    PresetEffects effects;
    switch (which) {
        case SpecialState::Iowa:
            clearSpouseWorks(*this);
            effects = IowaSet(ctx);  // hides the BIWEEKLY labels and checks "Round State"
            break;
        case SpecialState::Missouri:
            ckSpouse.visible = true;
            setBiweeklyLabelsVisible(*this, true);
            effects = MissouriSet(ctx);  // checks "Round State"
            break;
        case SpecialState::Utah:
            ckSpouse.visible = true;
            ckRoundOff.value = 0;
            setBiweeklyLabelsVisible(*this, true);
            UtahSet(ctx);  // clears and hides "Spouse Works"
            break;
        case SpecialState::Oregon:
            clearSpouseWorks(*this);
            ckRoundOff.value = 0;
            setBiweeklyLabelsVisible(*this, true);
            pressed.value = 1;
            effects = OregonSet(ctx);  // sets the boxes back from the settings first
            break;
        case SpecialState::NC:
            clearSpouseWorks(*this);
            ckRoundOff.value = 1;
            setBiweeklyLabelsVisible(*this, true);
            NCSet();
            break;
        default:
            clearSpouseWorks(*this);
            ckRoundOff.value = 0;
            setBiweeklyLabelsVisible(*this, true);
            switch (which) {
                case SpecialState::Louis:
                    louisPriorVisible = true;
                    LouisianaSet(ctx);
                    break;
                case SpecialState::Mass:
                    MassSet();
                    break;
                case SpecialState::Alabama:
                    AlabamaSet();
                    break;
                case SpecialState::Kentucky:
                    KentuckySet(ctx);
                    allowanceFrame.visible = true;
                    Label13.visible = true;
                    break;
                case SpecialState::Wiscon:
                    WisconsinSet();
                    break;
                case SpecialState::WisconApril:
                    WisconsinAprilSet();
                    break;
                default:  // Arizona has no preset
                    break;
            }
            break;
    }
    // The box's own toggle follows the press handling.
    pressed.value = wasChecked ? 0 : 1;
    return effects;
}

// --- Showing -------------------------------------------------------------------------------------

void StateDialog::showUseBaseLabels() {
    showUseBaseLabel(lbSDIbase, ckSDI);
    showUseBaseLabel(lbSUIbase, ckSUI);
}

bool StateDialog::loadFillsBlankBoxes() const {
    for (const CheckBox* box : {&ckLouis, &ckIowa, &ckMissouri, &ckMass, &ckOregon, &ckUtah,
                                &ckKentucky, &ckWiscon, &ckNC, &ckWisconApril}) {
        if (box->value != 0) {
            return false;
        }
    }
    return true;
}

bool StateDialog::saveFillsBlankBoxes() const {
    return loadFillsBlankBoxes() && ckAlabama.value == 0 && ckNoStateTax.value == 0;
}

// --- Access by state -----------------------------------------------------------------------------

CheckBox& StateDialog::specialBox(SpecialState which) {
    return this->*kSpecialSwitches[static_cast<std::size_t>(which)].box;
}

const CheckBox& StateDialog::specialBox(SpecialState which) const {
    return this->*kSpecialSwitches[static_cast<std::size_t>(which)].box;
}

bool StateDialog::anySpecialStateChecked() const {
    for (const SpecialSwitch& sw : kSpecialSwitches) {
        if ((this->*sw.box).value != 0) {
            return true;
        }
    }
    return false;
}

TextBox* StateDialog::box(std::string_view control, int row) {
    for (const TableColumn& c : kColumns) {
        if (control == c.name) {
            return row >= 0 && row < 10 ? &(this->*c.boxes)[static_cast<std::size_t>(row)]
                                        : nullptr;
        }
    }
    for (const SingleBox& b : kSingles) {
        if (control == b.name) {
            return row < 0 ? &(this->*b.box) : nullptr;
        }
    }
    return nullptr;
}

std::string StateDialog::title() const {
    return unsaved ? caption + kNotSavedSuffix : caption;
}

bool StateDialog::keyAccepted(int charCode) {
    constexpr std::string_view kAccepted = "0123456789 -.";
    return charCode == 8 || (charCode > 0 && charCode < 128 &&
                             kAccepted.find(static_cast<char>(charCode)) != std::string_view::npos);
}

}  // namespace quillon
