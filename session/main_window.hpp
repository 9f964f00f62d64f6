// The main window's contents: caption, notices, the eight entry boxes of the period, the result
// rows and figures, the week-ending box.
#pragma once

#include <array>
#include <string>

#include "session/boxes.hpp"

namespace quillon {

inline constexpr const char* kStartCaption = "LANTERNA SOFTWARE";
inline constexpr const char* kFederalTableCaption = "Federal Table: Cir E - Pub15";

// Labels of the entry boxes txtAmount(0) to txtAmount(7).
inline constexpr std::array<const char*, 8> kEntryLabels = {
    "STRAIGHT TIME HOURS 1",    "STRAIGHT TIME HOURS 2", "O.T.",
    "O.T. TIME AND 1/2 (1.5X)", "HOLIDAY IN HOURS",      "VACATION - SICK, IN HOURS",
    "PAY IN DOLLAR AMOUNT",     "TIPS (Hours)"};

struct MainWindow {
    std::string caption = kStartCaption;
    Label lbUser{"USER"};
    Label lbTableNotice;
    Label lbTableVersion;
    TextBox txtWeek;
    std::array<TextBox, 8> txtAmount{};
    OptionButton opt1x{"(1X)", true};
    OptionButton opt2x{"(2X)", false};
    CheckBox ckLouisPrior{"Louisiana- Prior to July 1", 0, true, false};

    // Result rows 0 to 10: captions beside the amounts.
    std::array<Label, 11> lbTaxTag{Label{"Federal Tax"}, Label{"Soc Sec"},  Label{"Medicare"},
                                   Label{"State Tax"},   Label{"City Tax"}, Label{"CrUnion"},
                                   Label{"Bond"},        Label{"Dues"},     Label{"Pension"},
                                   Label{"Health Ins"},  Label{"K Plan"}};
    std::array<Label, 11> lbTaxDed{};
    Label lbSDI, lbSUI, lbCafe;
    Label Label13;  // gross pay figure
    Label lbTaxes, lbDeduct, lbNet, lbOverT, lbTips;
};

}  // namespace quillon
