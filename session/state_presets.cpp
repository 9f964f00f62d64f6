// The special states' presets of the state tax dialog: the figures of each state's publication
// as the boxes show them, and the procedures that put them there.
#include "session/state_presets.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/money.hpp"

namespace quillon {
namespace {

std::array<StateDialog::Column*, 6> tableColumns(StateDialog& d) {
    return {&d.txtStateMinBS, &d.txtStateAmtBS, &d.txtStatePerBS,
            &d.txtStateMinBM, &d.txtStateAmtBM, &d.txtStatePerBM};
}

}  // namespace

namespace state_boxes {

void enableRows(StateDialog& d, std::size_t from, std::size_t to, bool enabled) {
    for (StateDialog::Column* column : tableColumns(d)) {
        for (std::size_t r = from; r <= to; ++r) {
            (*column)[r].enabled = enabled;
        }
    }
}

void enableAllowances(StateDialog& d, std::size_t from, std::size_t to, bool enabled) {
    for (std::size_t n = from; n <= to; ++n) {
        d.txtStateSgExp[n].enabled = enabled;
        d.txtStateMarExp[n].enabled = enabled;
    }
}

void labelAllowanceRows(StateDialog& d) {
    for (std::size_t n = 0; n < 10; ++n) {
        d.Label27[n].caption = std::to_string(n);
    }
}

void setBiweeklyLabelsVisible(StateDialog& d, bool visible) {
    d.Label19.visible = visible;
    d.Label20.visible = visible;
    d.Label21.visible = visible;
}

// The single-table frame and the captions of both tables.
void enableTableLabels(StateDialog& d, bool enabled) {
    for (Label* label :
         {&d.Frame1, &d.Label1, &d.Label2, &d.Label3, &d.Label4, &d.Label6, &d.Label8, &d.Label9,
          &d.Label10, &d.Label11, &d.Label19, &d.Label20, &d.Label5}) {
        label->enabled = enabled;
    }
}

void clearSpouseWorks(StateDialog& d) {
    d.ckSpouse.value = 0;
    d.ckSpouse.visible = false;
}

}  // namespace state_boxes

using namespace state_boxes;

namespace {

// --- The presets' figures, as the boxes show them ------------------------------------------------

// One row of both tables.
struct BracketRow {
    std::string_view minS, amtS, perS, minM, amtM, perM;
};

// Iowa: "Standard" in the single column, "Credit" (1.54 or 0.77 per exemption) in the married.
constexpr Texts kIowaStandardBiWeekly = {"63.46",  "63.46",  "156.15", "156.15", "156.15",
                                         "156.15", "156.15", "156.15", "156.15", "156.15"};
constexpr Texts kIowaStandardWeekly = {"31.73", "31.73", "78.08", "78.08", "78.08",
                                       "78.08", "78.08", "78.08", "78.08", "78.08"};
constexpr Texts kIowaCreditBiWeekly = {"0",   "1.54", "3.08",  "4.62",  "6.16",
                                       "7.7", "9.24", "10.78", "12.32", "13.86"};
constexpr Texts kIowaCreditWeekly = {"0",    "0.77", "1.54", "2.31", "3.08",
                                     "3.85", "4.62", "5.39", "6.16", "6.93"};

// Missouri: "Standard" by status and "Spouse Works", "W4 Allowance" by exemptions.
constexpr std::string_view kMissouriStandardSingleBiWeekly = "242.31";
constexpr std::string_view kMissouriStandardSingleWeekly = "121.15";
constexpr std::string_view kMissouriStandardMarriedBiWeekly = "484.62";
constexpr std::string_view kMissouriStandardMarriedWeekly = "242.31";
constexpr Texts kMissouriW4BiWeekly = {"0",      "80.77",  "126.92", "173.07", "219.22",
                                       "265.37", "311.52", "357.67", "403.82", "449.97"};
constexpr Texts kMissouriW4Weekly = {"0",     "40.38",  "63.46",  "86.54",  "109.62",
                                     "132.7", "155.78", "178.86", "184.64", "201.94"};

// Massachusetts: one rate in row 0 and the allowances of both columns.
constexpr BracketRow kMassRow0 = {"0", "0", "0.051", "0", "0", "0.051"};
constexpr Texts kMassAllowance = {"0",   "169", "207", "245", "283",
                                  "321", "359", "397", "435", "473"};

constexpr std::array<BracketRow, 7> kUtahRows = {{
    {"0", "0", "0", "0", "0", "0"},
    {"254", "0", "0.01", "508", "0", "0.01"},
    {"315", "0", "0.02", "631", "0", "0.02"},
    {"423", "0", "0.03", "846", "0", "0.03"},
    {"565", "0", "0.04", "1131", "0", "0.04"},
    {"812", "0", "0.05", "1623", "0", "0.05"},
    {"1531", "0", "0.05", "3062", "0", "0.05"},
}};
constexpr Texts kUtahAllowanceBiWeekly = {"0", "5", "10", "15", "20", "25", "30", "35", "40", "45"};
constexpr Texts kUtahAllowanceWeekly = {"0", "2", "4", "6", "8", "10", "12", "14", "16", "18"};

constexpr std::array<BracketRow, 3> kOregonRowsBiWeekly = {{
    {"0", "7.5", "0.05", "0", "7.5", "0.05"},
    {"128.85", "13.96", "0.07", "257.69", "20.38", "0.07"},
    {"325", "27.69", "0.09", "650", "47.85", "0.09"},
}};
// The single Amount of row 2 is the bi-weekly figure, not halved.
constexpr std::array<BracketRow, 3> kOregonRowsWeekly = {{
    {"0", "3.75", "0.05", "0", "3.75", "0.05"},
    {"64.42", "6.98", "0.07", "128.85", "10.19", "0.07"},
    {"162.5", "27.69", "0.09", "325", "23.92", "0.09"},
}};
constexpr Texts kOregonAllowanceBiWeekly = {"0",    "7.5", "15",   "22.5", "30",
                                            "37.5", "45",  "52.5", "60",   "67.5"};
constexpr Texts kOregonAllowanceWeekly = {"0",     "3.75", "7.5",   "11.25", "15",
                                          "18.75", "22.5", "26.25", "30",    "33.75"};

// Kentucky: the Minimum is the bracket's upper bound, the Amount the standard deduction.
constexpr std::array<BracketRow, 6> kKentuckyRowsBiWeekly = {{
    {"115.38", "94.62", "0.02", "115.38", "94.62", "0.02"},
    {"153.84", "94.62", "0.03", "153.84", "94.62", "0.03"},
    {"192.3", "94.62", "0.04", "192.3", "94.62", "0.04"},
    {"307.68", "94.62", "0.05", "307.68", "94.62", "0.05"},
    {"2884.61", "94.62", "0.058", "2884.61", "94.62", "0.058"},
    {"5769.22", "94.62", "0.06", "5769.22", "94.62", "0.06"},
}};
constexpr std::array<BracketRow, 6> kKentuckyRowsWeekly = {{
    {"57.69", "47.31", "0.02", "57.69", "47.31", "0.02"},
    {"76.92", "47.31", "0.03", "76.92", "47.31", "0.03"},
    {"96.15", "47.31", "0.04", "96.15", "47.31", "0.04"},
    {"153.85", "47.31", "0.05", "153.85", "47.31", "0.05"},
    {"1442.3", "47.31", "0.058", "1442.3", "47.31", "0.058"},
    {"2884.61", "47.31", "0.06", "2884.61", "47.31", "0.06"},
}};
constexpr Texts kKentuckyCreditBiWeekly = {"0",     "0.385", "0.77",  "1.155", "1.54",
                                           "1.925", "2.31",  "2.695", "3.08",  "3.465"};
constexpr Texts kKentuckyCreditWeekly = {"0",    "0.192", "0.384", "0.576", "0.768",
                                         "0.96", "1.152", "1.344", "1.536", "1.728"};

// Wisconsin before 4/1/14 ("Wisconsin Prior to 4/1/14") and since ("Wisconsin"), bi-weekly.
constexpr std::array<BracketRow, 7> kWisconsinPriorRows = {{
    {"0", "0", "0", "0", "0", "0"},
    {"153.85", "0", "0.046", "211.54", "0", "0.046"},
    {"408.46", "11.73", "0.05154", "518.08", "14.12", "0.0615"},
    {"454.81", "14.12", "0.06888", "575", "17.62", "0.0738"},
    {"716.5", "32.15", "0.0728", "771.81", "32.15", "0.078"},
    {"1690.5", "103.08", "0.065", "1632.69", "99.31", "0.065"},
    {"4428.46", "281.04", "0.0675", "4428.46", "281.04", "0.0675"},
}};
constexpr std::array<BracketRow, 7> kWisconsinCurrentRows = {{
    {"0", "0", "0", "0", "0", "0"},
    {"220.38", "0", "0.04", "302.69", "0", "0.04"},
    {"584.62", "14.57", "0.0448", "722.31", "16.78", "0.0584"},
    {"634.08", "16.79", "0.065408", "823.08", "22.67", "0.07008"},
    {"1008.73", "41.29", "0.070224", "1088.77", "41.29", "0.07524"},
    {"2421.15", "140.48", "0.0627", "2336.54", "135.17", "0.0627"},
    {"9238.08", "567.9", "0.0765", "9238.08", "567.9", "0.0765"},
}};
constexpr Texts kWisconsinCredit = {"0",    "0.85", "1.7",  "2.55", "3.4",
                                    "4.25", "5.1",  "5.95", "6.8",  "7.65"};

// North Carolina: the Amount is what the formula subtracts from wage x rate.
constexpr std::array<BracketRow, 4> kNCRows = {{
    {"0", "0", "0", "0", "0", "0"},
    {"115.38", "6.92", "0.06", "115.38", "6.92", "0.06"},
    {"605.77", "12.98", "0.07", "524.04", "12.16", "0.07"},
    {"2423.08", "31.15", "0.0775", "2038.46", "27.45", "0.0775"},
}};
constexpr Texts kNCAllowance = {"0",      "96.15", "192.3",  "288.45", "384.6",
                                "480.75", "576.9", "673.05", "769.2",  "865.35"};

// Louisiana's "Personal" and "Dependent" boxes hold at most these counts.
constexpr float kLouisianaMostPersonal = 2;
constexpr float kLouisianaMostDependent = 6;

// --- Box helpers ---------------------------------------------------------------------------------

void setRow(StateDialog& d, std::size_t r, const BracketRow& row) {
    d.txtStateMinBS[r].text = row.minS;
    d.txtStateAmtBS[r].text = row.amtS;
    d.txtStatePerBS[r].text = row.perS;
    d.txtStateMinBM[r].text = row.minM;
    d.txtStateAmtBM[r].text = row.amtM;
    d.txtStatePerBM[r].text = row.perM;
}

void setRows(StateDialog& d, std::span<const BracketRow> rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        setRow(d, r, rows[r]);
    }
}

constexpr BracketRow kUnusedRow = {kStateUnusedMinimumText, "0", "0",
                                   kStateUnusedMinimumText, "0", "0"};

void unusedRows(StateDialog& d, std::size_t from, std::size_t to) {
    for (std::size_t r = from; r <= to; ++r) {
        setRow(d, r, kUnusedRow);
    }
}

void setAllowances(StateDialog& d, const Texts& single, const Texts& married) {
    for (std::size_t n = 0; n < 10; ++n) {
        d.txtStateSgExp[n].text = single[n];
        d.txtStateMarExp[n].text = married[n];
    }
}

// The Iowa and Missouri presets run their formula on the settings as they stand, with
// "Spouse Works" from the dialog's box.
std::optional<double> runFormula(StateFormulaResult (*formula)(const StateFormulaInput&, int),
                                 const PresetContext& ctx, std::int16_t spouseWorks) {
    // The allowance columns have 11 elements; the exemptions index them.
    if (!ctx.formula || ctx.StateExemptions < 0 || ctx.StateExemptions > 10) {
        return std::nullopt;
    }
    StateFormulaInput in = *ctx.formula;
    in.frequency = ctx.frequency;
    in.StateStatus = ctx.StateStatus;
    in.StateExemptions = ctx.StateExemptions;
    in.state = ctx.settings;
    in.state.SpouseWorks = spouseWorks;
    return formula(in, ctx.StateExemptions).StateTax;
}

PresetEffects applyPresets(StateDialog& d, const PresetContext& ctx, bool showLouisPrior) {
    PresetEffects effects;
    if (d.ckLouis.value != 0) {
        if (showLouisPrior) {
            d.louisPriorVisible = true;
        }
        d.LouisianaSet(ctx);
    }
    if (d.ckIowa.value != 0) {
        effects.merge(d.IowaSet(ctx));
    }
    if (d.ckMissouri.value != 0) {
        effects.merge(d.MissouriSet(ctx));
    }
    if (d.ckMass.value != 0) {
        d.MassSet();
    }
    if (d.ckOregon.value != 0) {
        effects.merge(d.OregonSet(ctx));
    }
    if (d.ckUtah.value != 0) {
        d.UtahSet(ctx);
    }
    if (d.ckAlabama.value != 0) {
        d.AlabamaSet();
    }
    if (d.ckKentucky.value != 0) {
        d.KentuckySet(ctx);
    }
    if (d.ckWiscon.value != 0) {
        d.WisconsinSet();
    }
    if (d.ckWisconApril.value != 0) {
        d.WisconsinAprilSet();
    }
    if (d.ckNC.value != 0) {
        d.NCSet();
    }
    return effects;
}

}  // namespace

// --- Presets -------------------------------------------------------------------------------------

void StateDialog::LouisianaSet(const PresetContext& ctx) {
    Label14.caption = "Personal";
    Label15.caption = "Dependent";
    Label21.caption = "Enter Number Of";
    Label13.caption = "";
    Label5.caption = "Table for MARRIED Persons";
    for (Label& row : Label27) {
        row.caption = "";
    }
    enableAllowances(*this, 1, 9, false);

    txtStatePerBS[0].text = "0";
    txtStatePerBM[0].text = "0";
    unusedRows(*this, 1, 9);
    enableRows(*this, 0, 9, false);
    for (std::size_t n = 1; n < 10; ++n) {
        txtStateSgExp[n].text = "0";
        txtStateMarExp[n].text = "0";
    }
    const float personal = ctx.settings.StateSgExp[0];
    const float dependents = ctx.settings.StateMarExp[0];
    txtStateSgExp[0].text = decimalText(personal);
    txtStateMarExp[0].text = decimalText(dependents);
    if (personal > kLouisianaMostPersonal) {
        txtStateSgExp[0].text = decimalText(kLouisianaMostPersonal);
    }
    if (dependents > kLouisianaMostDependent) {
        txtStateMarExp[0].text = decimalText(kLouisianaMostDependent);
    }
    enableAllowances(*this, 0, 0, true);
}

PresetEffects StateDialog::IowaSet(const PresetContext& ctx) {
    labelAllowanceRows(*this);
    setBiweeklyLabelsVisible(*this, false);
    Label14.caption = "Standard";
    Label15.caption = "Credit";
    Label21.caption = "BiWeekly";
    Label13.caption = "# of Exemp";
    enableTableLabels(*this, false);

    enableRows(*this, 0, 9, false);
    unusedRows(*this, 0, 9);
    if (ctx.frequency.biWeekly) {
        setAllowances(*this, kIowaStandardBiWeekly, kIowaCreditBiWeekly);
    } else {
        setAllowances(*this, kIowaStandardWeekly, kIowaCreditWeekly);
    }
    ckRoundOff.value = 1;
    return {runFormula(&GetIowa, ctx, ckSpouse.value), false};
}

PresetEffects StateDialog::MissouriSet(const PresetContext& ctx) {
    labelAllowanceRows(*this);
    Label14.caption = "Standard";
    Label15.caption = "W4 Allowance";
    Label21.caption = "BiWeekly";
    Label13.caption = "# of Exemp";
    enableTableLabels(*this, false);

    enableRows(*this, 0, 9, false);
    unusedRows(*this, 0, 9);
    const bool biWeekly = ctx.frequency.biWeekly;
    std::optional<std::string_view> standard;
    const bool singleRate =
        ctx.StateStatus == "Single" || (ctx.StateStatus == "Married" && ckSpouse.value != 0);
    if (singleRate) {
        standard = biWeekly ? kMissouriStandardSingleBiWeekly : kMissouriStandardSingleWeekly;
    } else if (ctx.StateStatus == "Married") {
        standard = biWeekly ? kMissouriStandardMarriedBiWeekly : kMissouriStandardMarriedWeekly;
    }
    for (std::size_t n = 0; n < 10; ++n) {
        if (standard) {
            txtStateSgExp[n].text = *standard;
        }
        txtStateMarExp[n].text = biWeekly ? kMissouriW4BiWeekly[n] : kMissouriW4Weekly[n];
    }
    // The Missouri formula checks "Round State".
    ckRoundOff.value = 1;
    return {runFormula(&GetMissouri, ctx, ckSpouse.value), false};
}

void StateDialog::MassSet() {
    labelAllowanceRows(*this);
    enableRows(*this, 0, 9, false);
    unusedRows(*this, 0, 9);
    enableRows(*this, 0, 0, true);
    setRow(*this, 0, kMassRow0);
    setAllowances(*this, kMassAllowance, kMassAllowance);
}

PresetEffects StateDialog::OregonSet(const PresetContext& ctx) {
    labelAllowanceRows(*this);
    showSettings(ctx.settings);
    showSwitches(ctx.settings);
    // Only Oregon stays selected: a special state or NO STATE TAX checked in the settings would
    // otherwise be checked beside it, and the calculation would follow that one.
    for (const SpecialSwitch& sw : kSpecialSwitches) {
        (this->*sw.box).value = 0;
    }
    ckOregon.value = 1;
    ckNoStateTax.value = 0;

    enableRows(*this, 3, 9, false);
    unusedRows(*this, 3, 9);
    enableRows(*this, 0, 2, true);
    const bool biWeekly = ctx.frequency.biWeekly;
    const char* heading = biWeekly ? "BIWEEKLY" : "WEEKLY";
    Label19.caption = heading;
    Label20.caption = heading;
    Label21.caption = heading;
    setRows(*this, biWeekly ? kOregonRowsBiWeekly : kOregonRowsWeekly);
    const Texts& allowance = biWeekly ? kOregonAllowanceBiWeekly : kOregonAllowanceWeekly;
    setAllowances(*this, allowance, allowance);
    return {std::nullopt, true};
}

void StateDialog::UtahSet(const PresetContext& ctx) {
    labelAllowanceRows(*this);
    unusedRows(*this, 7, 9);
    enableRows(*this, 0, 9, true);
    setRows(*this, kUtahRows);
    const Texts& allowance = ctx.frequency.biWeekly ? kUtahAllowanceBiWeekly : kUtahAllowanceWeekly;
    setAllowances(*this, allowance, allowance);
    clearSpouseWorks(*this);
}

void StateDialog::AlabamaSet() {
    labelAllowanceRows(*this);
    for (const TableColumn& c : kColumns) {
        for (TextBox& box : this->*c.boxes) {
            box.text = "0";
            box.enabled = false;
        }
    }
}

void StateDialog::KentuckySet(const PresetContext& ctx) {
    labelAllowanceRows(*this);
    const bool biWeekly = ctx.frequency.biWeekly;
    Label19.enabled = biWeekly;
    Label20.enabled = biWeekly;
    Label21.enabled = biWeekly;
    enableRows(*this, 6, 9, false);
    unusedRows(*this, 6, 9);
    enableRows(*this, 0, 5, true);
    setRows(*this, biWeekly ? kKentuckyRowsBiWeekly : kKentuckyRowsWeekly);
    const Texts& credit = biWeekly ? kKentuckyCreditBiWeekly : kKentuckyCreditWeekly;
    setAllowances(*this, credit, credit);
}

void StateDialog::WisconsinSet() {
    labelAllowanceRows(*this);
    unusedRows(*this, 7, 9);
    enableRows(*this, 0, 9, true);
    setRows(*this, kWisconsinPriorRows);
    setAllowances(*this, kWisconsinCredit, kWisconsinCredit);
}

void StateDialog::WisconsinAprilSet() {
    labelAllowanceRows(*this);
    unusedRows(*this, 7, 9);
    enableRows(*this, 0, 9, true);
    setRows(*this, kWisconsinCurrentRows);
    setAllowances(*this, kWisconsinCredit, kWisconsinCredit);
}

void StateDialog::NCSet() {
    labelAllowanceRows(*this);
    unusedRows(*this, 0, 9);
    enableRows(*this, 0, 9, true);
    setRows(*this, kNCRows);
    setAllowances(*this, kNCAllowance, kNCAllowance);
}

// --- Load sequence -------------------------------------------------------------------------------

PresetEffects StateDialog::applyCheckedPresets(const PresetContext& ctx) {
    return applyPresets(*this, ctx, true);
}

PresetEffects StateDialog::afterShown(const PresetContext& ctx) {
    PresetEffects effects = applyPresets(*this, ctx, false);
    if (ckMissouri.value != 0 || ckUtah.value != 0) {
        ckSpouse.visible = true;
    }
    return effects;
}

}  // namespace quillon
