// Every special state's preset against a golden dump of the dialog's boxes, for a bi-weekly and
// a weekly employee: the publication figures are held against a file reviewed once against the
// states' withholding publications, not against the program's own constants. Run with
// QUILLON_UPDATE_GOLDEN=1 to write the file afresh, then read the difference before committing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "session/state_dialog.hpp"
#include "session/state_presets.hpp"

namespace quillon {
namespace {

// The states that have a preset, in the order of SpecialState.
constexpr SpecialState kPresetStates[] = {
    SpecialState::Louis,  SpecialState::Iowa,        SpecialState::Missouri, SpecialState::Mass,
    SpecialState::Oregon, SpecialState::Utah,        SpecialState::Alabama,  SpecialState::Kentucky,
    SpecialState::Wiscon, SpecialState::WisconApril, SpecialState::NC};

// A box's text, in brackets when the box is disabled.
std::string shown(const TextBox& box) {
    return box.enabled ? box.text : "[" + box.text + "]";
}

std::string flag(const char* name, bool on) {
    return on ? std::string(" ") + name : std::string();
}

// The dialog after pressing one state's box on the New York layout: the caption of the checked
// box, the ten rows of both tables and allowances (row label first), the single boxes, the
// labels a preset changes and the switches.
std::string dump(SpecialState state, bool biWeekly, const char* status = "Single") {
    StateDialog d;
    d.newYork();
    PresetContext ctx;
    ctx.frequency = PayFrequency{!biWeekly, biWeekly};
    ctx.StateStatus = status;
    d.pressSpecialState(state, ctx);

    std::ostringstream out;
    out << "== " << d.specialBox(state).caption << (biWeekly ? ", bi-weekly, " : ", weekly, ")
        << status << " ==\n";
    for (std::size_t r = 0; r < 10; ++r) {
        out << d.Label27[r].caption << ':';
        for (const state_boxes::TableColumn& column : state_boxes::kColumns) {
            out << ' ' << shown((d.*column.boxes)[r]);
        }
        out << '\n';
    }
    for (const state_boxes::SingleBox& single : state_boxes::kSingles) {
        out << single.name << ' ' << shown(d.*single.box) << '\n';
    }
    out << "labels: " << d.Label14.caption << " / " << d.Label15.caption << " / "
        << d.Label21.caption << " / " << d.Label13.caption << " / " << d.allowanceFrame.caption
        << '\n';
    out << "switches:" << flag("RoundState", d.ckRoundOff.value != 0)
        << flag("SpouseWorksShown", d.ckSpouse.visible) << flag("BiweeklyLabels", d.Label19.visible)
        << flag("LouisianaPrior", d.louisPriorVisible) << flag("TableLabels", d.Frame1.enabled)
        << '\n';
    return out.str();
}

TEST(StatePresets, EveryPresetPutsThePublishedFiguresInTheBoxes) {
    std::string text;
    for (SpecialState state : kPresetStates) {
        for (bool biWeekly : {true, false}) {
            text += dump(state, biWeekly);
        }
    }
    // Missouri's standard deduction follows the state status.
    for (bool biWeekly : {true, false}) {
        text += dump(SpecialState::Missouri, biWeekly, "Married");
    }
    const std::string path =
        std::string(QUILLON_SOURCE_DIR) + "/session/tests/golden/state_presets.txt";
    if (std::getenv("QUILLON_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "no golden file " << path;
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(text, expected.str()) << "the boxes differ from " << path;
}

}  // namespace
}  // namespace quillon
