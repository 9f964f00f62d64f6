// The state tax dialog's boxes as tables, and the box helpers its procedures share with the
// special states' presets. The presets and the publication figures they put in the boxes are in
// state_presets.cpp; the rest of the dialog in state_dialog.cpp.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "session/state_dialog.hpp"

namespace quillon::state_boxes {

using Texts = std::array<std::string_view, 10>;

// One column of boxes, in the order fillBlankBoxes visits them, with its setting and New York
// values.
struct TableColumn {
    const char* name;
    StateDialog::Column StateDialog::*boxes;
    StateSettings::Column StateSettings::*setting;
    const NewYorkColumn* newYork;
    bool minimum;  // a minimum range column ("999999" marks a row not used)
};

inline constexpr std::array<TableColumn, 8> kColumns = {{
    {"txtStateMinBS", &StateDialog::txtStateMinBS, &StateSettings::StateMinBS, &kNewYorkStateMin,
     true},
    {"txtStateAmtBS", &StateDialog::txtStateAmtBS, &StateSettings::StateAmtBS, &kNewYorkStateAmtS,
     false},
    {"txtStatePerBS", &StateDialog::txtStatePerBS, &StateSettings::StatePerBS, &kNewYorkStatePerS,
     false},
    {"txtStateMinBM", &StateDialog::txtStateMinBM, &StateSettings::StateMinBM, &kNewYorkStateMin,
     true},
    {"txtStateAmtBM", &StateDialog::txtStateAmtBM, &StateSettings::StateAmtBM, &kNewYorkStateAmtM,
     false},
    {"txtStatePerBM", &StateDialog::txtStatePerBM, &StateSettings::StatePerBM, &kNewYorkStatePerM,
     false},
    {"txtStateSgExp", &StateDialog::txtStateSgExp, &StateSettings::StateSgExp, &kNewYorkStateSgExp,
     false},
    {"txtStateMarExp", &StateDialog::txtStateMarExp, &StateSettings::StateMarExp,
     &kNewYorkStateMarExp, false},
}};
inline constexpr std::size_t kTableColumns =
    6;  // the first six of kColumns; then the two allowances

// The six single boxes, in the order fillBlankBoxes and takeOverBoxes visit them.
struct SingleBox {
    const char* name;
    TextBox StateDialog::*box;
    float StateSettings::*setting;
};

inline constexpr std::array<SingleBox, 6> kSingles = {{
    {"txtSDIpercent", &StateDialog::txtSDIpercent, &StateSettings::SDIpercent},
    {"txtSDIwageBase", &StateDialog::txtSDIwageBase, &StateSettings::SDIwageBase},
    {"txtStateAdj", &StateDialog::txtStateAdj, &StateSettings::StateAdj},
    {"txtCalAllow", &StateDialog::txtCalAllow, &StateSettings::CalAllow},
    {"txtSUIpercent", &StateDialog::txtSUIpercent, &StateSettings::SUIpercent},
    {"txtSUIwageBase", &StateDialog::txtSUIwageBase, &StateSettings::SUIwageBase},
}};

// The special-state boxes and their settings, in the order of SpecialState.
struct SpecialSwitch {
    CheckBox StateDialog::*box;
    std::int16_t StateSettings::*setting;
};

inline constexpr std::array<SpecialSwitch, kSpecialStateCount> kSpecialSwitches = {{
    {&StateDialog::ckAriz, &StateSettings::StateAriz},
    {&StateDialog::ckLouis, &StateSettings::StateLouis},
    {&StateDialog::ckIowa, &StateSettings::StateIowa},
    {&StateDialog::ckMissouri, &StateSettings::StateMissouri},
    {&StateDialog::ckMass, &StateSettings::StateMass},
    {&StateDialog::ckOregon, &StateSettings::StateOregon},
    {&StateDialog::ckUtah, &StateSettings::StateUtah},
    {&StateDialog::ckAlabama, &StateSettings::StateAlabama},
    {&StateDialog::ckKentucky, &StateSettings::StateKentucky},
    {&StateDialog::ckWiscon, &StateSettings::StateWiscon},
    {&StateDialog::ckWisconApril, &StateSettings::StateWisconApril},
    {&StateDialog::ckNC, &StateSettings::StateNC},
}};

void enableRows(StateDialog& d, std::size_t from, std::size_t to, bool enabled);
void enableAllowances(StateDialog& d, std::size_t from, std::size_t to, bool enabled);
void labelAllowanceRows(StateDialog& d);
void setBiweeklyLabelsVisible(StateDialog& d, bool visible);
// The single-table frame and the captions of both tables.
void enableTableLabels(StateDialog& d, bool enabled);
void clearSpouseWorks(StateDialog& d);

}  // namespace quillon::state_boxes
