// The special-state formulas, with cases worked out by hand from each state's rules.
#include "engine/state_formulas.hpp"

#include <gtest/gtest.h>

#include <initializer_list>

namespace quillon {
namespace {

constexpr PayFrequency kBiWeekly{false, true};
constexpr PayFrequency kWeekly{true, false};

void fillColumn(StateSettings::Column& column, std::initializer_list<float> values, float rest) {
    column.fill(rest);
    std::size_t i = 0;
    for (float v : values) {
        column[i++] = v;
    }
}

StateFormulaInput input(PayFrequency frequency) {
    StateFormulaInput in;
    in.frequency = frequency;
    in.StateStatus = "Single";
    in.FedStatus = "Single";
    fillColumn(in.state.StateMinBS, {}, 999999);
    fillColumn(in.state.StateMinBM, {}, 999999);
    return in;
}

struct Case {
    const char* what;
    StateFormulaInput in;
    double expected;
};

void expectTaxes(const std::vector<Case>& cases,
                 StateFormulaResult (*formula)(const StateFormulaInput&)) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(formula(c.in).StateTax, c.expected, 0.0005);
    }
}

TEST(Louisiana, CurrentAndEarlierFormulas) {
    auto louisiana = [](PayFrequency f, float gross, float personal, float dependents) {
        StateFormulaInput in = input(f);
        in.GrossPay = gross;
        in.state.StateSgExp[0] = personal;
        in.state.StateMarExp[0] = dependents;
        return in;
    };
    expectTaxes(
        {
            // E = 173.08, A = 3.63468, B = 0; 21 + 0.016 x 519.23 - 3.63468.
            {"bi-weekly, one exemption, 1000", louisiana(kBiWeekly, 1000, 1, 0), 25.67300},
            // E = 86.54 + 2 x 19.23 = 125, A = 2.625; 10.5 + 0.016 x 259.62 - 2.625.
            {"weekly, one exemption, two dependents, 500", louisiana(kWeekly, 500, 1, 2), 12.02892},
            {"three personal exemptions withhold nothing", louisiana(kBiWeekly, 1000, 3, 0), 0},
            {"no pay", louisiana(kBiWeekly, 0, 1, 0), 0},
            // Counts are rounded half to even: 1.5 counts as 2 (E = 346.16, T1 961.54).
            // A = 7.26936, B = 0; 0.021 x 900.
            {"1.5 exemptions count as two", louisiana(kBiWeekly, 900, 1.5f, 0), 11.63064},
        },
        GetLouisiana);
    expectTaxes(
        {
            // E = 519.24: 21 + 0.0135 x 519.23 + 0.0135 x 38.46 - (10.90404 + 0.0135 x 38.47).
            {"earlier formula, three exemptions", louisiana(kBiWeekly, 1000, 3, 0), 17.10543},
            {"earlier formula, no pay", louisiana(kBiWeekly, 0, 1, 0), 0},
        },
        GetLouisianaPrior);
}

TEST(Iowa, BracketsCreditAndNegativeWage) {
    auto iowa = [](PayFrequency f, float taxable, float fed, float standard, float credit) {
        StateFormulaInput in = input(f);
        in.TaxableWage = taxable;
        in.FedTax = fed;
        in.state.StateSgExp[1] = standard;
        in.state.StateMarExp[1] = credit;
        return in;
    };
    const std::vector<Case> cases = {
        {"bi-weekly, x on a bound belongs below: 0.54", iowa(kBiWeekly, 150, 50, 0, 0), 0.54},
        {"bi-weekly, x = 2300: 142.18 + 0.0898 x 50 - 1.54", iowa(kBiWeekly, 2300, 0, 0, 1.54f),
         145.13},
        {"weekly, x = 60: 0.27 + 0.0243 x 10", iowa(kWeekly, 60, 0, 0, 0), 0.513},
        {"negative x stays negative: 0.0036 x -53.46", iowa(kBiWeekly, 10, 0, 63.46f, 0),
         -0.192456},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(GetIowa(c.in, 1).StateTax, c.expected, 0.0005);
    }
}

TEST(Missouri, FederalLimitBracketsAndRoundState) {
    auto missouri = [](PayFrequency f, bool spouseWorks, float taxable, float fed) {
        StateFormulaInput in = input(f);
        in.TaxableWage = taxable;
        in.FedTax = fed;
        in.state.SpouseWorks = spouseWorks ? 1 : 0;
        in.state.StateSgExp[0] = 0;
        in.state.StateMarExp[0] = 0;
        return in;
    };
    const std::vector<Case> cases = {
        // 200 is above 5000 / 26 = 192.31: no federal deduction; x = 1000.
        {"spouse works, federal above the limit", missouri(kBiWeekly, true, 1000, 200), 51.3375},
        // 150 is deducted: x = 850; 12.1275 + 0.06 x 503.5.
        {"spouse works, federal within the limit", missouri(kBiWeekly, true, 1000, 150), 42.3375},
        // Weekly limit 10000 / 52 = 192.31; x = 400: 6.3 + 0.06 x 220.
        {"weekly", missouri(kWeekly, false, 500, 100), 19.5},
        // x = 77 belongs to its own row: 0.5775 + 0.02 x 38.5.
        {"an upper bound belongs to its own row", missouri(kBiWeekly, false, 77, 0), 1.3475},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StateFormulaResult r = GetMissouri(c.in, 0);
        EXPECT_NEAR(r.StateTax, c.expected, 0.0005);
        EXPECT_TRUE(r.checkRoundState);
    }
}

TEST(Alabama, StandardDeductionChartsExemptionsAndBrackets) {
    auto alabama = [](PayFrequency f, const char* fed, const char* state, float gross) {
        StateFormulaInput in = input(f);
        in.FedStatus = fed;
        in.StateStatus = state;
        in.GrossPay = gross;
        return in;
    };
    struct AlabamaCase {
        const char* what;
        StateFormulaInput in;
        int dependents;
        double expected;
    };
    const AlabamaCase cases[] = {
        // Chart S bound B2 is 826.99: f = 94.23, e = 57.69, x = 675.03;
        // 0.3846 + 3.846 + 0.05 x 559.65.
        {"826.95 is under the 826.99 bound", alabama(kBiWeekly, "Single", "Single", 826.95f), 0,
         32.2131},
        // Above it f = 93.27: x = 676.04.
        {"827 is above it", alabama(kBiWeekly, "Single", "Single", 827), 0, 32.2636},
        // Single / Married: no standard deduction, the married exemption 115.38 and brackets;
        // two dependents at 19.23 above 769.23: x = 846.16; 0.7692 + 7.6924 + 0.05 x 615.39.
        {"federal single, state married", alabama(kBiWeekly, "Single", "Married", 1000), 2,
         39.2311},
        // No chart for this status pair; x = 157.69 - 57.69 = 100: 0.3846 + 0.04 x 80.77.
        {"middle bracket reaches up to 115.38", alabama(kBiWeekly, "Head", "Single", 157.69f), 0,
         3.6154},
        // Weekly chart MM amount V1 is 140.77: bound B0 = 394.23, so 400 takes V1;
        // e = 57.69; x = 400 - 198.46 = 201.54; 0.3846 + 3.846 + 0.05 x 86.16.
        {"weekly married chart, second amount", alabama(kWeekly, "Married", "Married", 400), 0,
         8.5386},
    };
    for (const AlabamaCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(GetAlabama(c.in, c.dependents).StateTax, c.expected, 0.0005);
    }
}

TEST(Massachusetts, MarriedAllowanceAndTheSocialSecurityRule) {
    auto mass = [](PayFrequency f, float totals) {
        StateFormulaInput in = input(f);
        in.GrossPay = 1000;
        in.SocSecTax = 62;
        in.MediTax = 14.5f;
        in.TotSS = totals;
        in.StateExemptions = 2;
        in.state.StatePerBS[0] = 0.051f;
        in.state.StateMarExp[2] = 207;
        in.state.StateSgExp[2] = 1;  // never read: always the married column
        return in;
    };
    expectTaxes(
        {
            {"716.5 x 0.051", mass(kBiWeekly, 500), 36.5415},
            {"totals above 2000: 793 x 0.051", mass(kBiWeekly, 2500), 40.443},
            {"weekly halves the allowance: 820 x 0.051", mass(kWeekly, 500), 41.82},
        },
        GetMass);
}

StateSettings utahTable() {
    StateSettings s;
    fillColumn(s.StateMinBS, {0, 100, 200, 300, 400, 500, 600}, 999999);
    fillColumn(s.StatePerBS, {0.01f, 0.02f, 0.03f, 0.04f, 0.05f, 0.06f, 0.07f}, 0);
    fillColumn(s.StateAmtBS, {0, 1, 2, 3, 4, 5, 6}, 0);
    return s;
}

TEST(Utah, WholeWageTimesTheRateLessTheCredit) {
    auto utah = [](PayFrequency f, float wage) {
        StateFormulaInput in = input(f);
        in.state = utahTable();
        in.TaxableWage = wage;
        in.StateExpAmt = 10;
        return in;
    };
    expectTaxes(
        {
            {"250 x 0.03 + 2 - 10", utah(kBiWeekly, 250), -0.5},
            {"weekly, halved bounds: 250 x 0.06 + 2.5 - 10", utah(kWeekly, 250), 7.5},
            {"below every row: only the credit", utah(kBiWeekly, -5), -10},
        },
        GetUtah);
    const StateFormulaResult top = GetUtah(utah(kBiWeekly, 700));
    EXPECT_NEAR(top.StateTax, 55.0, 0.0005);  // 700 x 0.07 + 6, the credit dropped
    ASSERT_TRUE(top.StateExpAmt);
    EXPECT_EQ(*top.StateExpAmt, 0.0f);
}

TEST(Oregon, FederalCapStatusAmountsAndTableChoice) {
    auto oregon = [](int exemptions) {
        StateFormulaInput in = input(kBiWeekly);
        fillColumn(in.state.StateMinBS, {0, 100, 200}, 999999);
        fillColumn(in.state.StatePerBS, {0, 0.05f, 0.09f}, 0);
        fillColumn(in.state.StateAmtBS, {0, 5, 10}, 0);
        fillColumn(in.state.StateMinBM, {0, 300, 600}, 999999);
        fillColumn(in.state.StatePerBM, {0, 0.04f, 0.08f}, 0);
        fillColumn(in.state.StateAmtBM, {0, 8, 20}, 0);
        fillColumn(in.state.StateSgExp, {}, 1);
        fillColumn(in.state.StateMarExp, {}, 2);
        in.GrossPay = 1000;
        in.FedTax = 300;  // only 250 is subtracted
        in.StateExemptions = exemptions;
        return in;
    };
    expectTaxes(
        {
            // x = 1000 - 250 - 82.88 = 667.12; single with 3 exemptions: married table.
            {"three exemptions: married table", oregon(3), 67.12 * 0.08 + 20 - 2},
            {"one exemption: single table", oregon(1), 467.12 * 0.09 + 10 - 1},
        },
        GetOregon);
}

TEST(Kentucky, StandardDeductionAndBrackets) {
    auto kentucky = [](float gross) {
        StateFormulaInput in = input(kBiWeekly);
        fillColumn(in.state.StateMinBS, {115.38f, 153.84f, 192.3f, 307.68f, 1000, 999999}, 999999);
        fillColumn(in.state.StatePerBS, {0.02f, 0.03f, 0.04f, 0.05f, 0.058f, 0.06f}, 0);
        fillColumn(in.state.StateAmtBS, {}, 94.62f);
        fillColumn(in.state.StateSgExp, {}, 0.5f);
        in.GrossPay = gross;
        return in;
    };
    expectTaxes(
        {
            // y = 205.38, bracket 3: 0.02 x 115.38 + 0.03 x 38.46 + 0.04 x 38.46
            // + 0.05 x 13.08 - 0.5.
            {"300 falls in bracket 3", kentucky(300), 5.1538},
            {"100 falls in bracket 0: 0.02 x 5.38 - 0.5", kentucky(100), -0.3924},
        },
        GetKentucky);
}

TEST(Wisconsin, AllowanceAsCreditAndCaliforniaAllowance) {
    auto wisconsin = [](PayFrequency f) {
        StateFormulaInput in = input(f);
        fillColumn(in.state.StateMinBS, {0, 200, 400}, 999999);
        fillColumn(in.state.StatePerBS, {0.04f, 0.05f, 0.06f}, 0);
        fillColumn(in.state.StateAmtBS, {0, 8, 18}, 0);
        in.state.CalAllow = 50;
        in.TaxableWage = 500;
        in.StateExpAmt = 4;
        return in;
    };
    expectTaxes(
        {
            {"x = 450: 50 x 0.06 + 18 - 4", wisconsin(kBiWeekly), 17},
            {"weekly: (450 - 200) x 0.06 + 9 - 2", wisconsin(kWeekly), 22},
        },
        GetWisconsin);
}

TEST(NorthCarolina, FlatRateLessTheAmountColumn) {
    auto nc = [](PayFrequency f, float amount) {
        StateFormulaInput in = input(f);
        fillColumn(in.state.StateMinBS, {0}, 999999);
        fillColumn(in.state.StatePerBS, {0.0575f}, 0);
        fillColumn(in.state.StateAmtBS, {amount}, 0);
        in.TaxableWage = 1000;
        in.StateExpAmt = 200;
        return in;
    };
    expectTaxes(
        {
            {"x = 800: 800 x 0.0575", nc(kBiWeekly, 0), 46},
            {"weekly: x = 900; 900 x 0.0575 - 5", nc(kWeekly, 10), 46.75},
        },
        GetNC);
}

TEST(SpecialStateDispatch, PicksTheCheckedStateInOrder) {
    StateFormulaInput in = input(kBiWeekly);
    EXPECT_FALSE(specialStateTax(in));
    in.state.StateAriz = 1;
    EXPECT_FALSE(specialStateTax(in)) << "Arizona is computed by the operator's table";

    in.TaxableWage = 150;
    in.FedTax = 50;
    in.state.StateIowa = 1;
    in.state.StateMissouri = 1;
    auto picked = specialStateTax(in);
    ASSERT_TRUE(picked);
    EXPECT_NEAR(picked->StateTax, GetIowa(in, 0).StateTax, 1e-9);
    EXPECT_FALSE(picked->checkRoundState);

    StateFormulaInput louisiana = input(kBiWeekly);
    louisiana.state.StateLouis = 1;
    louisiana.state.StateSgExp[0] = 3;
    louisiana.GrossPay = 1000;
    EXPECT_EQ(specialStateTax(louisiana)->StateTax, 0);
    louisiana.louisianaPrior = true;
    EXPECT_NEAR(specialStateTax(louisiana)->StateTax, 17.10543, 0.0005);
}

}  // namespace
}  // namespace quillon
