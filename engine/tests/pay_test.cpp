// The pay-period calculation end to end: expected figures are worked out by hand from the
// tables (the New York state and city values, the 2016 federal table) and the step rules.
#include "engine/pay.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/tests/pay_inputs.hpp"
#include "engine/tests/tables_fixture.hpp"

namespace quillon {
namespace {

using testing::kBiWeekly;
using testing::kWeekly;
using testing::newYorkInput;
using testing::realisticInput;

// An employee on whom only the gross pay works: exempt from every tax, no tables.
PayInput untaxedInput() {
    PayInput in = newYorkInput(kBiWeekly);
    in.employee.FedExempt = 1;
    in.employee.SSMediExempt = 1;
    in.state = testing::noStateTax();
    in.city = testing::noLocalTax();
    return in;
}

PayResult calculate(const PayInput& in) {
    PayOutcome outcome = Calcu_late(in);
    if (const auto* error = std::get_if<EntryBoxError>(&outcome)) {
        ADD_FAILURE() << "entry box " << error->box << " refused: " << error->text;
        return {};
    }
    return std::get<PayResult>(outcome);
}

TEST(Calculate, AllEntriesEmptyGivesZeroEverywhere) {
    const PayResult r = calculate(newYorkInput(kBiWeekly));
    EXPECT_EQ(r.GrossPay, 0.0f);
    EXPECT_EQ(r.NetPay, 0.0f);
    EXPECT_EQ(r.TaxDeduct, 0.0f);
    EXPECT_EQ(r.TotDeduct, 0.0f);
    for (const std::string& row : r.lbTaxDed) {
        EXPECT_EQ(row, ".00");
    }
    EXPECT_EQ(r.lbSDI, ".00");
    EXPECT_EQ(r.lbSUI, ".00");
    EXPECT_EQ(r.lbCafe, ".00");
    EXPECT_EQ(r.Label13, "");  // TaxableWage is 0
    EXPECT_EQ(r.lbTaxes, "$.00");
    EXPECT_EQ(r.lbDeduct, "$.00");
    EXPECT_EQ(r.lbNet, "$.00");
    EXPECT_EQ(r.lbOverT, "$.00");
    EXPECT_EQ(r.lbTips, "$.00");
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(r.txtAmountFilled[i], "0");
        EXPECT_EQ(r.txtAmount[i], "");
    }
}

// A realistic bi-weekly employee, year to date just under the Social Security base, worked
// by hand:
TEST(Calculate, RealisticBiWeeklyEmployeeEndToEnd) {
    const PayResult r = calculate(realisticInput());

    EXPECT_EQ(r.Label13, "$2,888.00");
    const std::array<const char*, 11> rows = {"274.64", "93.00", "40.35", "135.73",
                                              "88.34",  "25.00", "10.00", "18.76",
                                              "57.76",  "45.50", "115.52"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(r.lbTaxDed[i], rows[i]);
    }
    EXPECT_EQ(r.lbSDI, "10.00");
    EXPECT_EQ(r.lbSUI, "3.25");
    EXPECT_EQ(r.lbCafe, "60.00");
    EXPECT_EQ(r.lbTaxes, "$645.31");
    EXPECT_EQ(r.lbDeduct, "$332.54");
    EXPECT_EQ(r.lbNet, "$1,886.15");
    EXPECT_EQ(r.lbOverT, "$393.75");  // 6.5 x 1.5 x 25 + 6 x 25
    EXPECT_EQ(r.lbTips, "$24.00");

    EXPECT_FLOAT_EQ(r.TaxableWage, 2726.98f);
    EXPECT_FLOAT_EQ(r.FedWage, 2297.62f);
    EXPECT_FLOAT_EQ(r.FedAllowAmt, 311.6f);
    EXPECT_FLOAT_EQ(r.StateWage, 2343.88f);
    EXPECT_FLOAT_EQ(r.CityWage, 2496.18f);
    EXPECT_EQ(r.CafeStateAmt, 60.0f);
    EXPECT_EQ(r.StraightPay1, 2000.0f);
    EXPECT_EQ(r.StraightPay2, 120.0f);
    EXPECT_EQ(r.TipsPay, 24.0f);
    EXPECT_EQ(r.SDIYtdAfter, 119888.0f);
    EXPECT_EQ(r.SUIYtdAfter, 119888.0f);
    EXPECT_EQ(r.DuesAmt, 18.76f);
    EXPECT_EQ(r.StateAdj, -2.5f);
    EXPECT_EQ(r.CalAllow, 0.0f);
    EXPECT_EQ(r.RoundState, 0);

    // The weekly allowance is what carries over; the state and city allowances as picked.
    EXPECT_EQ(r.carry.FedAllowAmt, 155.8f);
    EXPECT_EQ(r.carry.StateExpAmt, 323.1f);
    EXPECT_EQ(r.carry.CityExpAmt, 230.8f);

    const std::array<const char*, 8> filled = {"80", "4", "3", "6.5", "8", "0", "150.25", "12"};
    const std::array<const char*, 8> after = {"80", "4", "3", "6.5", "8", "", "150.25", "12"};
    for (std::size_t i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(r.txtAmountFilled[i], filled[i]);
        EXPECT_EQ(r.txtAmount[i], after[i]);
    }
}

// Weekly, New York tables, 40 h at 20 = 800:
//   federal single 1 allowance: 800 - 77.90 = 722.10; 17.90 + 15% x 500.10 = 92.915 -> 92.92
//   Social Security 49.60, Medicare 11.60
//   state: 800 - 284.60 / 2 = 657.70; halved rows: (657.70 - 409.50) x 6.45% + 19.94 = 35.9489
//   city: 800 - 192.30 / 2 = 703.85; (703.85 - 481) x 3.9% + 14.155 = 22.84615
//   net 800 - (92.92 + 49.60 + 11.60 + 35.95 + 22.85) = 587.08
TEST(Calculate, WeeklyEmployeeHalvesTheStateAndCityTables) {
    PayInput in = newYorkInput(kWeekly);
    in.employee.FedExemptions = "1";
    in.txtAmount[0] = "40";
    const PayResult r = calculate(in);
    EXPECT_EQ(r.lbTaxDed[0], "92.92");
    EXPECT_EQ(r.lbTaxDed[1], "49.60");
    EXPECT_EQ(r.lbTaxDed[2], "11.60");
    EXPECT_EQ(r.lbTaxDed[3], "35.95");
    EXPECT_EQ(r.lbTaxDed[4], "22.85");
    EXPECT_FLOAT_EQ(r.StateWage, 657.7f);
    EXPECT_FLOAT_EQ(r.CityWage, 703.85f);
    EXPECT_EQ(r.FedAllowAmt, 77.9f);  // weekly: not doubled
    EXPECT_EQ(r.lbNet, "$587.08");
}

struct Overtime {
    bool opt1x;
    float TotalOt;
};

TEST(Calculate, OvertimeBoxCountsTwiceUnlessOneX) {
    static const Overtime cases[] = {{false, 160.0f}, {true, 80.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opt1x);
        PayInput in = untaxedInput();
        in.employee.HourRate = 10;
        in.txtAmount[2] = "8";
        in.opt1x = c.opt1x;
        const PayResult r = calculate(in);
        EXPECT_EQ(r.TotalOt, c.TotalOt);
        EXPECT_EQ(r.GrossPay, c.TotalOt);
    }
}

struct HourTerms {
    float HourRate, HourRate2;
    std::array<std::string, 8> boxes;
    const char* gross;
};

// The hour terms of the gross (straight hours 2 and 1, time and a half, holiday) are summed in
// extended precision before they become currency. At these half cents that decides the gross
// shown: summed in single precision, each row shows one cent less (checked by switching the
// sum to float).
TEST(Calculate, HourTermsOfTheGrossAreSummedInExtendedPrecision) {
    static const HourTerms cases[] = {
        // 40 x 15.23 + 5 x 1.5 x 15.23 = 609.20 + 114.225 = 723.425
        {15.23f, 0, {"40", "", "", "5", "", "", "", ""}, "$723.43"},
        // 40 x 19.46 + 0.5 x 1.5 x 19.46 = 778.40 + 14.595 = 792.995
        {19.46f, 0, {"40", "", "", "0.5", "", "", "", ""}, "$793.00"},
        // 4 x 18 + 32 x 13.23 + 1 x 1.5 x 13.23 + 8 x 13.23 = 72 + 423.36 + 19.845 + 105.84
        // = 621.045
        {13.23f, 18, {"32", "4", "", "1", "8", "", "", ""}, "$621.05"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gross);
        PayInput in = untaxedInput();
        in.employee.HourRate = c.HourRate;
        in.employee.HourRate2 = c.HourRate2;
        in.txtAmount = c.boxes;
        EXPECT_EQ(calculate(in).Label13, c.gross);
    }
}

TEST(Calculate, NoRateOnePaysEveryHourKindButRateTwoAtSevenFifty) {
    PayInput in = untaxedInput();
    in.employee.HourRate = 0;
    in.employee.HourRate2 = 12;
    in.txtAmount = {"10", "10", "", "2", "8", "8", "", ""};
    const PayResult r = calculate(in);
    EXPECT_EQ(r.PayRate, 7.5f);
    // 10 x 7.50 + 10 x 12 + 2 x 1.5 x 7.50 + 8 x 7.50 + 8 x 7.50
    EXPECT_EQ(r.GrossPay, 337.5f);
    EXPECT_EQ(r.Label13, "$337.50");
}

TEST(Calculate, TipsAreInTheGrossAndOutOfTheNet) {
    PayInput in = untaxedInput();
    in.employee.TipsRate = 3;
    in.txtAmount[0] = "20";  // 20 x 20 = 400
    in.txtAmount[7] = "10";
    const PayResult r = calculate(in);
    EXPECT_EQ(r.GrossPay, 430.0f);
    EXPECT_EQ(r.TotalTips, 30.0f);
    EXPECT_EQ(r.NetPay, 400.0f);
    EXPECT_EQ(r.lbTips, "$30.00");

    // With taxes, the tips raise every base: Social Security on 430 is 26.66.
    in.employee.SSMediExempt = 0;
    EXPECT_EQ(calculate(in).lbTaxDed[1], "26.66");
}

TEST(Calculate, KplanPercentLowersTheTaxableWage) {
    PayInput in = untaxedInput();
    in.employee.HourRate = 25;
    in.employee.KplanPercent = 1;
    in.employee.KplanValue = 5;
    in.employee.HealthAmt = 20;
    in.txtAmount[0] = "40";
    const PayResult r = calculate(in);
    EXPECT_EQ(r.KplanAmt, 50.0f);
    EXPECT_EQ(r.TaxableWage, 930.0f);  // 1000 - 50 - 20

    in.employee.KplanPercent = 0;  // a fixed amount
    EXPECT_EQ(calculate(in).KplanAmt, 5.0f);
}

TEST(Calculate, FederalExemptDropsTheAdditionalWithholdingToo) {
    PayInput in = newYorkInput(kWeekly);
    in.txtAmount[0] = "40";
    in.employee.FedAddWithhold = 20;
    in.employee.FedExempt = 1;
    EXPECT_EQ(calculate(in).FedTax, 0.0f);

    // Not exempt: 800 - 0 allowance, above 767: 99.65 + 25% x 33 = 107.90, plus 20
    in.employee.FedExempt = 0;
    EXPECT_EQ(calculate(in).lbTaxDed[0], "127.90");
}

TEST(Calculate, BiWeeklyDoublesTheFederalAllowance) {
    PayInput in = newYorkInput(kBiWeekly);
    in.employee.FedExemptions = "1";
    in.txtAmount[0] = "80";  // 1600
    const PayResult r = calculate(in);
    EXPECT_EQ(r.FedAllowAmt, 155.8f);
    EXPECT_FLOAT_EQ(r.FedWage, 1444.2f);
    // 35.60 + 15% x (1444.20 - 443) = 185.78
    EXPECT_EQ(r.lbTaxDed[0], "185.78");
}

// A status the lookup does not know keeps the allowance last picked. The carried amount is
// the table's weekly one, so a bi-weekly employee gets twice it every time, not twice again.
TEST(Calculate, AnUnknownStatusKeepsTheAllowanceWithoutDoublingItAgain) {
    PayInput in = newYorkInput(kBiWeekly);
    in.employee.FedStatus = "Head of household";
    in.txtAmount[0] = "80";
    in.carry.FedAllowAmt = 77.9f;
    const PayResult first = calculate(in);
    EXPECT_EQ(first.FedAllowAmt, 155.8f);
    EXPECT_EQ(first.carry.FedAllowAmt, 77.9f);

    in.carry = first.carry;
    const PayResult second = calculate(in);
    EXPECT_EQ(second.FedAllowAmt, 155.8f);
    EXPECT_EQ(second.FedTax, first.FedTax);
    // married bi-weekly on 1600 - 155.80 = 1444.20: 71.30 + 15% x 402.20 = 131.63
    EXPECT_EQ(second.lbTaxDed[0], "131.63");
}

TEST(Calculate, StateAndCityAllowancesCarryOverForAnUnknownStatusOrCount) {
    PayInput in = newYorkInput(kBiWeekly);
    in.carry = {0, 111, 222};
    in.employee.StateStatus = "Other";
    PayResult r = calculate(in);
    EXPECT_EQ(r.carry.StateExpAmt, 111.0f);
    EXPECT_EQ(r.carry.CityExpAmt, 222.0f);

    in.employee.StateStatus = "Married";
    in.employee.StateExemptions = 12;
    r = calculate(in);
    EXPECT_EQ(r.carry.StateExpAmt, 111.0f);
    EXPECT_EQ(r.carry.CityExpAmt, 222.0f);

    in.employee.StateExemptions = 9;
    r = calculate(in);
    EXPECT_EQ(r.carry.StateExpAmt, 650.3f);
    EXPECT_EQ(r.carry.CityExpAmt, 558.0f);
}

// A flat 5 % state table with no allowances: the state tax is 5 % of the taxable wage.
PayInput flatStateInput(const char* hours) {
    PayInput in = untaxedInput();
    in.employee.HourRate = 1;
    in.txtAmount[0] = hours;
    in.state = testing::noStateTax();
    in.state.StateMinBS[0] = 0;
    in.state.StatePerBS[0] = 0.05f;
    return in;
}

struct RoundStateCase {
    const char* hours;
    std::int16_t roundState;
    const char* adjustment;
    const char* shown;
};

TEST(Calculate, StateAdjustmentRoundStateAndTheFloor) {
    static const RoundStateCase cases[] = {
        {"250", 1, "0", "12.00"},  // 12.50 to the even dollar
        {"270", 1, "0", "14.00"},  // 13.50 to the even dollar
        {"250", 0, "0", "12.50"},
        {"250", 0, "-20", ".00"},      // an adjustment below the tax: floored at 0
        {"250", 0, "2.255", "14.76"},  // 12.50 + 2.255 = 14.755, half a cent up
        {"250", 1, "1", "14.00"},      // 13.50 after the adjustment, then to even
        {"250", 0, "", "12.50"},       // a blank box reads as 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.hours) + " " + c.adjustment);
        PayInput in = flatStateInput(c.hours);
        in.state.RoundState = c.roundState;
        in.txtStateAdj = c.adjustment;
        const PayResult r = calculate(in);
        EXPECT_EQ(r.lbTaxDed[3], c.shown);
    }
}

TEST(Calculate, HalfCentsRoundAwayFromZero) {
    // One hour at 10: Medicare 10 x 1.45% = 0.145 -> .15
    PayInput in = newYorkInput(kWeekly);
    in.employee.HourRate = 10;
    in.txtAmount[0] = "1";
    const PayResult r = calculate(in);
    EXPECT_EQ(r.lbTaxDed[2], ".15");
    EXPECT_EQ(r.MediTax, 0.15f);

    // Federal married weekly, 3 allowances, 1000: 35.70 + 15% x 245.30 = 72.495 -> 72.50
    PayInput fed = newYorkInput(kWeekly);
    fed.employee.FedStatus = "Married";
    fed.employee.FedExemptions = "3";
    fed.txtAmount[0] = "50";
    EXPECT_EQ(calculate(fed).lbTaxDed[0], "72.50");
}

TEST(Calculate, SocialSecurityAndMedicareExempt) {
    PayInput in = newYorkInput(kWeekly);
    in.txtAmount[0] = "40";
    in.employee.SSMediExempt = 1;
    in.state.SDIuseBase = 0;
    in.state.SDIwageBase = 5;
    const PayResult r = calculate(in);
    EXPECT_EQ(r.SocSecTax, 0.0f);
    EXPECT_EQ(r.MediTax, 0.0f);
    EXPECT_EQ(r.SDIAmt, 5.0f);  // SDI is not affected
}

struct AdditionalMedicareCase {
    const char* what;
    PayFrequency frequency;
    const char* dollars;      // the dollar box, the period's gross
    float health, cafeteria;  // both leave the Medicare wage
    std::int16_t selfEmployed, exempt;
    double posted;      // the Medicare wages posted this year before the period
    const char* shown;  // the Medicare row
};

TEST(Calculate, AdditionalMedicareOnTheWagesOfTheYearAbove200000) {
    static const AdditionalMedicareCase cases[] = {
        // 100 x 1.45% = 1.45, plus 0.9% of the 50 above 200,000 = 0.45
        {"crosses the threshold", kWeekly, "100", 0, 0, 0, 0, 199950, "1.90"},
        // 1.45 + 0.9% x 100 = 0.90
        {"threshold reached before", kWeekly, "100", 0, 0, 0, 0, 200000, "2.35"},
        {"far above it", kWeekly, "100", 0, 0, 0, 0, 250000, "2.35"},
        {"nothing posted", kWeekly, "100", 0, 0, 0, 0, 0, "1.45"},
        // 725.00 + 0.9% x (190,000 + 50,000 - 200,000) = 360.00
        {"a bi-weekly pay crossing it", kBiWeekly, "50000", 0, 0, 0, 0, 190000, "1,085.00"},
        // 200,000 x 1.45%: the wages end at the threshold, none above it
        {"ends at the threshold", kWeekly, "200000", 0, 0, 0, 0, 0, "2,900.00"},
        // 2,901.45 + 0.9% x 100
        {"one pay crossing it alone", kWeekly, "200100", 0, 0, 0, 0, 0, "2,902.35"},
        // 300 - 100 - 100 = 100 of Medicare wages: 1.45 + 0.45
        {"health and cafeteria left out", kWeekly, "300", 100, 100, 0, 0, 199950, "1.90"},
        // the 1.45% doubled, 2.90; the additional 0.45 is not
        {"self-employed", kWeekly, "100", 0, 0, 1, 0, 199950, "3.35"},
        {"exempt", kWeekly, "100", 0, 0, 0, 1, 250000, ".00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PayInput in = newYorkInput(c.frequency);
        in.txtAmount[6] = c.dollars;
        in.employee.HealthAmt = c.health;
        in.employee.CafeAmt = c.cafeteria;
        in.employee.SelfEmployed = c.selfEmployed;
        in.employee.SSMediExempt = c.exempt;
        in.medicareWagesPosted = Currency::fromDouble(c.posted);
        in.TotGross = in.medicareWagesPosted;
        const PayResult r = calculate(in);
        EXPECT_EQ(r.lbTaxDed[2], c.shown);
    }
}

TEST(Calculate, NonCityResidentUsesTheNonCityTable) {
    PayInput in = newYorkInput(kBiWeekly);
    in.employee.NonCityRes = 1;
    in.txtAmount[0] = "25";  // 500
    in.nonCity.NonPer = 0.01f;
    const PayResult r = calculate(in);
    // 385 <= 500 < 769: subtract 77; (500 - 77) x 1% = 4.23
    EXPECT_EQ(r.lbTaxDed[4], "4.23");
    EXPECT_EQ(r.carry.CityExpAmt, 77.0f);
}

struct BadBox {
    std::size_t box;
    const char* text;
};

TEST(Calculate, ABoxThatStartsWithANumberButIsNotOneIsRefused) {
    static const BadBox cases[] = {
        {0, "1 2"}, {3, "1-2"}, {6, "5..5"}, {7, "2.5.1"}, {1, "8 -"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        PayInput in = newYorkInput(kWeekly);
        in.txtAmount[0] = "40";
        in.txtAmount[c.box] = c.text;
        const PayOutcome outcome = Calcu_late(in);
        const auto* error = std::get_if<EntryBoxError>(&outcome);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->box, static_cast<int>(c.box));
        EXPECT_EQ(error->text, c.text);
    }
}

TEST(Calculate, ABoxThatReadsAsZeroBecomesZeroThenEmpty) {
    PayInput in = untaxedInput();
    in.txtAmount = {"40", "-", " ", "abc", "0.00", "- 3", "", "."};
    const PayResult r = calculate(in);
    for (std::size_t i = 1; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(r.txtAmountFilled[i], "0");
        EXPECT_EQ(r.txtAmount[i], "");
    }
    EXPECT_EQ(r.txtAmount[0], "40");
    EXPECT_EQ(r.GrossPay, 800.0f);
}

TEST(Calculate, DollarAmountBoxIsReadAsCurrency) {
    PayInput in = untaxedInput();
    in.txtAmount[6] = "1234.5678";
    const PayResult r = calculate(in);
    EXPECT_EQ(r.GrossPay, 1234.5678f);
    EXPECT_EQ(r.Label13, "$1,234.57");
}

TEST(Calculate, CafeteriaLowersTheStateWageOnlyWithDeductState) {
    PayInput in = newYorkInput(kBiWeekly);
    in.txtAmount[0] = "80";  // 1600
    in.employee.CafeAmt = 100;
    PayResult r = calculate(in);
    EXPECT_EQ(r.CafeStateAmt, 0.0f);
    EXPECT_FLOAT_EQ(r.StateWage, 1600 - 284.6f);
    in.employee.CafeDeductState = 1;
    r = calculate(in);
    EXPECT_EQ(r.CafeStateAmt, 100.0f);
    EXPECT_FLOAT_EQ(r.StateWage, 1600 - 284.6f - 100);
    // Social Security on 1600 - 100 = 1500: 93.00; Medicare 21.75
    EXPECT_EQ(r.lbTaxDed[1], "93.00");
    EXPECT_EQ(r.lbTaxDed[2], "21.75");
}

TEST(Calculate, WithoutTheFederalTableTheFederalTaxIsTheAdditionalWithholdingOnly) {
    PayInput in = newYorkInput(kWeekly);
    in.federal = FederalTable{};  // the file could not be read: every value 0
    in.employee.FedAddWithhold = 12.5f;
    in.txtAmount[0] = "40";
    const PayResult r = calculate(in);
    EXPECT_EQ(r.lbTaxDed[0], "12.50");
    EXPECT_EQ(r.lbTaxDed[1], "49.60");  // the other taxes go on
}

}  // namespace
}  // namespace quillon
