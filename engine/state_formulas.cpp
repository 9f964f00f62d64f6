// The special-state formulas. Arithmetic is in single precision with the constants taken as
// Singles, except where a formula's own rule says double precision (Iowa's products, Alabama's
// tax, Missouri's federal limit).
#include "engine/state_formulas.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "engine/money.hpp"
#include "engine/trace.hpp"

namespace quillon {
namespace {

using Column = StateSettings::Column;

bool isSingle(const std::string& status) {
    return status == "Single";
}

// The allowance columns have 11 elements; an exemption count outside them reads the nearest.
std::size_t column(int n) {
    return static_cast<std::size_t>(std::clamp(n, 0, 10));
}

// A count typed into an allowance box, to the nearest whole number, halves to even.
float countOf(float value) {
    return roundedToWholeHalfEven(value);
}

// The table of the status: single for "Single", married for any other status.
struct StateTable {
    const Column& Min;
    const Column& Amt;
    const Column& Per;
    const Column& Exp;
    std::string_view name;  // as an explanation names it
};

StateTable tableFor(const StateSettings& s, bool single) {
    if (single) {
        return {s.StateMinBS, s.StateAmtBS, s.StatePerBS, s.StateSgExp, "single state table"};
    }
    return {s.StateMinBM, s.StateAmtBM, s.StatePerBM, s.StateMarExp, "married state table"};
}

// The row of x: for r below k the row applies when Min[r] <= x < Min[r+1], row k when
// x >= Min[k]; a later match replaces an earlier one. A weekly period halves every Min.
std::optional<std::size_t> rowOf(const Column& Min, std::size_t k, float x, bool weekly) {
    auto bound = [&](std::size_t r) { return weekly ? Min[r] / 2.0f : Min[r]; };
    std::optional<std::size_t> row;
    for (std::size_t r = 0; r < k; ++r) {
        if (bound(r) <= x && x < bound(r + 1)) {
            row = r;
        }
    }
    if (x >= bound(k)) {
        row = k;
    }
    return row;
}

// One bracket of a fixed withholding table: above `over` (up to the next row's `over`,
// which belongs to this row), tax = base + rate x (x - over).
struct Bracket {
    float over;
    float base;
    double rate;
};

template <std::size_t N>
const Bracket& bracketOf(const std::array<Bracket, N>& table, float x) {
    const Bracket* found = &table[0];
    for (const Bracket& b : table) {
        if (x > b.over) {
            found = &b;
        }
    }
    return *found;
}

// --- Louisiana ----------------------------------------------------------------------------

struct LouisianaFigures {
    float P;             // per personal exemption (N up to 1)
    float Q;             // per dependent
    float baseForTwo;    // credit base for N = 2
    float T1[2], T2[2];  // [N up to 1, N = 2]
    float r2[2];
};
constexpr LouisianaFigures kLouisianaBiWeekly = {
    173.08f, 38.46f, 346.16f, {480.77f, 961.54f}, {1923.08f, 3846.15f}, {0.016f, 0.0165f}};
constexpr LouisianaFigures kLouisianaWeekly = {
    86.54f, 19.23f, 173.08f, {240.38f, 480.77f}, {961.54f, 1923.08f}, {0.016f, 0.0165f}};
constexpr float kLouisianaRate1 = 0.021f;
constexpr float kLouisianaRate3 = 0.0135f;

// A negative credit part becomes 0; the explanation says so.
float atLeastZero(float value, std::string* why) {
    if (value < 0) {
        if (why != nullptr) {
            *why += ", below 0: 0";
        }
        return 0.0f;
    }
    return value;
}

float louisianaTax(const LouisianaFigures& c, float W, float N, float D, std::string* why) {
    if (why != nullptr) {
        *why += "pay " + traceAmount(W) + ", personal exemptions " + traceNumber(N) +
                ", dependents " + traceNumber(D);
    }
    if (N >= 3) {
        if (why != nullptr) {
            *why += "; 3 personal exemptions or more: 0";
        }
        return 0;
    }
    const int two = N == 2 ? 1 : 0;
    const float E = two ? D * c.Q + c.baseForTwo : N * c.P + D * c.Q;
    const float T1 = c.T1[two], T2 = c.T2[two], r2 = c.r2[two];
    float A = E * kLouisianaRate1;
    float B = (E - T1) * r2;
    if (why != nullptr) {
        *why += "; credit base " +
                (two ? traceNumber(D) + kTraceTimes + traceAmount(c.Q) + " + " +
                           traceAmount(c.baseForTwo)
                     : traceNumber(N) + kTraceTimes + traceAmount(c.P) + " + " + traceNumber(D) +
                           kTraceTimes + traceAmount(c.Q)) +
                " = " + traceAmount(E) + "; A = " + tracePercent(kLouisianaRate1) + " of " +
                traceAmount(E) + " = " + traceAmount(A);
    }
    A = atLeastZero(A, why);
    if (why != nullptr) {
        *why += "; B = " + tracePercent(r2) + " of (" + traceAmount(E) + kTraceMinus +
                traceAmount(T1) + ") = " + traceAmount(B);
    }
    B = atLeastZero(B, why);
    float tax = 0;
    if (W <= T1) {
        tax = kLouisianaRate1 * W - (A + B);
    } else if (W <= T2) {
        tax = kLouisianaRate1 * W + r2 * (W - T1) - (A + B);
    } else {
        tax = kLouisianaRate1 * W + r2 * (W - T1) + kLouisianaRate3 * (W - T2) - (A + B);
    }
    if (why != nullptr) {
        *why += "; " + tracePercent(kLouisianaRate1) + " of " + traceAmount(W);
        if (W > T1) {
            *why += " + " + tracePercent(r2) + " of (" + traceAmount(W) + kTraceMinus +
                    traceAmount(T1) + ")";
        }
        if (W > T2) {
            *why += " + " + tracePercent(kLouisianaRate3) + " of (" + traceAmount(W) + kTraceMinus +
                    traceAmount(T2) + ")";
        }
        *why += kTraceMinus + std::string("(A + B)") + " = " + traceAmount(tax);
    }
    return atLeastZero(tax, why);
}

// The earlier formula: thresholds by N other than 2 / N = 2.
struct LouisianaPriorFigures {
    float P, Q;
    float T1[2], T2[2];
};
constexpr LouisianaPriorFigures kLouisianaPriorBiWeekly = {
    173.08f, 38.46f, {480.77f, 961.54f}, {961.54f, 1923.08f}};
constexpr LouisianaPriorFigures kLouisianaPriorWeekly = {
    86.54f, 19.23f, {240.38f, 480.77f}, {480.77f, 961.54f}};

// --- Iowa and Missouri --------------------------------------------------------------------

constexpr std::array<Bracket, 9> kIowaBiWeekly = {{{0, 0, 0.0036},
                                                   {50, 0.18f, 0.0072},
                                                   {100, 0.54f, 0.0243},
                                                   {200, 2.97f, 0.045},
                                                   {450, 14.22f, 0.0612},
                                                   {750, 32.58f, 0.0648},
                                                   {1000, 48.78f, 0.068},
                                                   {1500, 82.78f, 0.0792},
                                                   {2250, 142.18f, 0.0898}}};
constexpr std::array<Bracket, 9> kIowaWeekly = {{{0, 0, 0.0036},
                                                 {25, 0.09f, 0.0072},
                                                 {50, 0.27f, 0.0243},
                                                 {100, 1.485f, 0.045},
                                                 {225, 7.11f, 0.0612},
                                                 {375, 16.29f, 0.0648},
                                                 {500, 24.39f, 0.068},
                                                 {750, 41.39f, 0.0792},
                                                 {1125, 71.09f, 0.0898}}};

constexpr std::array<Bracket, 10> kMissouriBiWeekly = {{{0, 0, 0.015},
                                                        {38.5f, 0.5775f, 0.02},
                                                        {77, 1.3475f, 0.025},
                                                        {115.5f, 2.31f, 0.03},
                                                        {154, 3.465f, 0.035},
                                                        {192.5f, 4.8125f, 0.04},
                                                        {231, 6.3525f, 0.045},
                                                        {269.5f, 8.085f, 0.05},
                                                        {308, 10.01f, 0.055},
                                                        {346.5f, 12.1275f, 0.06}}};
constexpr std::array<Bracket, 10> kMissouriWeekly = {{{0, 0, 0.015},
                                                      {20, 0.3f, 0.02},
                                                      {40, 0.7f, 0.025},
                                                      {60, 1.2f, 0.03},
                                                      {80, 1.8f, 0.035},
                                                      {100, 2.5f, 0.04},
                                                      {120, 3.3f, 0.045},
                                                      {140, 4.2f, 0.05},
                                                      {160, 5.2f, 0.055},
                                                      {180, 6.3f, 0.06}}};
// The federal withholding Missouri lets the employee deduct, per year.
constexpr double kMissouriFederalLimitSpouseWorks = 5000;
constexpr double kMissouriFederalLimit = 10000;

// --- Alabama ------------------------------------------------------------------------------

// A standard-deduction chart: 20 wage bounds and 21 amounts.
struct AlabamaChart {
    std::array<float, 20> B;
    std::array<float, 21> V;
};

// dollars / periods, rounded to cents, halves up.
constexpr float perPeriod(std::int64_t dollars, std::int64_t periods) {
    const std::int64_t cents = (dollars * 200 + periods) / (2 * periods);
    return static_cast<float>(cents) / 100.0f;
}

enum class AlabamaChartKind { S, MS, MM };

constexpr AlabamaChart alabamaChart(AlabamaChartKind kind, std::int64_t p) {
    AlabamaChart c{};
    for (std::int64_t k = 0; k < 21; ++k) {
        std::int64_t bound = 0, amount = 0;
        switch (kind) {
            case AlabamaChartKind::S:
                bound = 20500 + 500 * k;
                amount = 2500 - 25 * k;
                break;
            case AlabamaChartKind::MS:
                bound = 10250 + 250 * k;
                amount = std::max<std::int64_t>(2000, 3750 - 88 * k);
                break;
            case AlabamaChartKind::MM:
                bound = 20500 + 500 * k;
                amount = 7500 - 175 * k;
                break;
        }
        if (k < 20) {
            c.B[static_cast<std::size_t>(k)] = perPeriod(bound, p);
        }
        c.V[static_cast<std::size_t>(k)] = perPeriod(amount, p);
    }
    // The two entries the published charts give otherwise.
    if (p == 26 && kind != AlabamaChartKind::MS) {
        c.B[2] = 826.99f;
    }
    if (p == 52 && kind == AlabamaChartKind::MM) {
        c.V[1] = 140.77f;
    }
    return c;
}

constexpr std::array<AlabamaChart, 3> kAlabamaBiWeekly = {alabamaChart(AlabamaChartKind::S, 26),
                                                          alabamaChart(AlabamaChartKind::MS, 26),
                                                          alabamaChart(AlabamaChartKind::MM, 26)};
constexpr std::array<AlabamaChart, 3> kAlabamaWeekly = {alabamaChart(AlabamaChartKind::S, 52),
                                                        alabamaChart(AlabamaChartKind::MS, 52),
                                                        alabamaChart(AlabamaChartKind::MM, 52)};

float standardDeduction(const AlabamaChart& c, float gross) {
    if (gross <= c.B[0]) {
        return c.V[0];
    }
    for (std::size_t k = 1; k < c.B.size(); ++k) {
        if (gross > c.B[k - 1] && gross <= c.B[k]) {
            return c.V[k];
        }
    }
    return c.V[20];
}

// Per dependent, by gross pay: up to the first bound, above it, above the second.
struct AlabamaDependent {
    float firstBound, secondBound;
    float upToFirst, aboveFirst, aboveSecond;
};
constexpr AlabamaDependent kAlabamaDependentBiWeekly = {769.23f, 3846.15f, 38.46f, 19.23f, 11.54f};
constexpr AlabamaDependent kAlabamaDependentWeekly = {384.62f, 1923.08f, 19.23f, 9.62f, 5.77f};

// Personal exemption and brackets: F, G, the tax at F and the tax from F to G.
struct AlabamaBrackets {
    float exemption;
    double F, G, taxAtF, taxFtoG;
};
constexpr AlabamaBrackets kAlabamaBiWeeklySingle = {57.69f, 19.23, 115.38, 0.3846, 3.846};
constexpr AlabamaBrackets kAlabamaBiWeeklyOther = {115.38f, 38.46, 230.77, 0.7692, 7.6924};
constexpr AlabamaBrackets kAlabamaWeeklySingle = {28.85f, 9.62, 57.69, 0.1924, 1.9232};
constexpr AlabamaBrackets kAlabamaWeeklyOther = {57.69f, 19.23, 115.38, 0.3846, 3.846};
// The rates up to F, from F to G and above G.
constexpr double kAlabamaRate1 = 0.02, kAlabamaRate2 = 0.04, kAlabamaRate3 = 0.05;

// --- Oregon -------------------------------------------------------------------------------

constexpr float kOregonFederalCapBiWeekly = 250, kOregonFederalCapWeekly = 125;
constexpr float kOregonSingleBiWeekly = 82.88f, kOregonSingleWeekly = 41.44f;
constexpr float kOregonMarriedBiWeekly = 165.96f, kOregonMarriedWeekly = 82.98f;

StateFormulaResult taxOf(double tax) {
    StateFormulaResult r;
    r.StateTax = tax;
    return r;
}

// "line 5 of the single state table, halved for the week (from 317.04 to under 504.37)": row r of
// a search over rows 0 to k.
std::string lineText(const StateTable& t, std::size_t r, std::size_t k, bool weekly) {
    auto bound = [&](std::size_t i) { return weekly ? t.Min[i] / 2.0f : t.Min[i]; };
    std::string text = "line " + std::to_string(r + 1) + " of the " + std::string(t.name) +
                       (weekly ? ", halved for the week" : "") + " (from " + traceAmount(bound(r));
    if (r < k) {
        text += " to under " + traceAmount(bound(r + 1));
    }
    return text + ")";
}

std::string frequencyText(bool biWeekly) {
    return biWeekly ? "bi-weekly" : "weekly";
}

// "over 450.00 in the bi-weekly table: 14.22 + 6.12 % of 243.85 = 29.14362", the first row
// "in the first bracket of the weekly table: 0.36 % of 20.00 = 0.072".
template <std::size_t N>
void explainBracket(std::string& why, const std::array<Bracket, N>& table, const Bracket& b,
                    bool biWeekly, float x, float tax) {
    const float excess = static_cast<float>(double{x} - double{b.over});
    if (&b == table.data()) {
        why += "in the first bracket of the " + frequencyText(biWeekly) +
               " table: " + tracePercent(b.rate) + " of " + traceAmount(x);
    } else {
        why += "over " + traceAmount(b.over) + " in the " + frequencyText(biWeekly) +
               " table: " + traceAmount(b.base) + " + " + tracePercent(b.rate) + " of " +
               traceAmount(excess);
    }
    why += " = " + traceAmount(tax);
}

StateFormulaResult louisiana(const StateFormulaInput& in, std::string* why) {
    const float W = in.GrossPay > 0 ? in.GrossPay : 0.0f;
    const float N = countOf(in.state.StateSgExp[0]);
    const float D = countOf(in.state.StateMarExp[0]);
    float tax = 0;
    // Two separate tests, one on each frequency option; with both, the weekly one is the last.
    if (in.frequency.biWeekly) {
        tax = louisianaTax(kLouisianaBiWeekly, W, N, D, in.frequency.weekly ? nullptr : why);
    }
    if (in.frequency.weekly) {
        tax = louisianaTax(kLouisianaWeekly, W, N, D, why);
    }
    if (why != nullptr && !in.frequency.biWeekly && !in.frequency.weekly) {
        *why += "neither Weekly nor Bi-Weekly is chosen: 0";
    }
    return taxOf(tax);
}

StateFormulaResult louisianaPrior(const StateFormulaInput& in, std::string* why) {
    const LouisianaPriorFigures& c =
        in.frequency.biWeekly ? kLouisianaPriorBiWeekly : kLouisianaPriorWeekly;
    const float W = in.GrossPay;
    const float N = countOf(in.state.StateSgExp[0]);
    const float D = countOf(in.state.StateMarExp[0]);
    const int two = N == 2 ? 1 : 0;
    const float T1 = c.T1[two], T2 = c.T2[two];
    const float E = D * c.Q + N * c.P;
    float tax = W > 0 ? kLouisianaRate1 * W : 0.0f;
    if (why != nullptr) {
        *why += "pay " + traceAmount(W) + ", personal exemptions " + traceNumber(N) +
                ", dependents " + traceNumber(D) + "; " +
                (W > 0 ? tracePercent(kLouisianaRate1) + " of " + traceAmount(W)
                       : std::string("no pay, 0"));
    }
    if (W > T1) {
        tax = tax + kLouisianaRate3 * (W - T1);
        if (why != nullptr) {
            *why += " + " + tracePercent(kLouisianaRate3) + " of (" + traceAmount(W) + kTraceMinus +
                    traceAmount(T1) + ")";
        }
    }
    if (W > T2) {
        tax = tax + kLouisianaRate3 * (W - T2);
        if (why != nullptr) {
            *why += " + " + tracePercent(kLouisianaRate3) + " of (" + traceAmount(W) + kTraceMinus +
                    traceAmount(T2) + ")";
        }
    }
    if (why != nullptr) {
        *why += " = " + traceAmount(tax) + "; credit on " + traceNumber(D) + kTraceTimes +
                traceAmount(c.Q) + " + " + traceNumber(N) + kTraceTimes + traceAmount(c.P) + " = " +
                traceAmount(E) + ": " + tracePercent(kLouisianaRate1) + " of " + traceAmount(E);
    }
    float credit = kLouisianaRate1 * E;
    if (E > T1) {
        credit = credit + kLouisianaRate3 * (E - T1);
        if (why != nullptr) {
            *why += " + " + tracePercent(kLouisianaRate3) + " of (" + traceAmount(E) + kTraceMinus +
                    traceAmount(T1) + ")";
        }
    }
    tax = tax - credit;
    if (why != nullptr) {
        *why += " = " + traceAmount(credit) + "; tax less credit = " + traceAmount(tax);
        if (!(tax > 0) && tax != 0) {
            *why += ", below 0: 0";
        }
    }
    return taxOf(tax > 0 ? tax : 0.0f);
}

StateFormulaResult iowa(const StateFormulaInput& in, int n, std::string* why) {
    const std::size_t i = column(n);
    const float x = in.TaxableWage - in.FedTax - in.CafeStateAmt - in.state.StateSgExp[i];
    const auto& table = in.frequency.biWeekly ? kIowaBiWeekly : kIowaWeekly;
    const Bracket& b = bracketOf(table, x);
    // The product in double precision, the tax kept as a Single.
    const float tax = static_cast<float>(double{b.base} + b.rate * (double{x} - double{b.over}));
    const float result = tax - in.state.StateMarExp[i];
    if (why != nullptr) {
        *why += "wage " + traceAmount(in.TaxableWage) + kTraceMinus + "federal " +
                traceAmount(in.FedTax) + kTraceMinus + "cafeteria " + traceAmount(in.CafeStateAmt) +
                kTraceMinus + "standard " + traceAmount(in.state.StateSgExp[i]) + " = " +
                traceAmount(x) + "; ";
        explainBracket(*why, table, b, in.frequency.biWeekly, x, tax);
        *why += kTraceMinus + std::string("credit ") + traceAmount(in.state.StateMarExp[i]) +
                " = " + traceAmount(result);
    }
    return taxOf(result);
}

StateFormulaResult missouri(const StateFormulaInput& in, int n, std::string* why) {
    const std::size_t i = column(n);
    const bool spouseWorks = in.state.SpouseWorks != 0;
    const double yearly = spouseWorks ? kMissouriFederalLimitSpouseWorks : kMissouriFederalLimit;
    const float limit = static_cast<float>(in.frequency.weekly ? yearly / 52 : yearly / 26);
    const bool deducted = in.FedTax <= limit;
    float x =
        deducted ? in.TaxableWage - in.FedTax - in.CafeStateAmt : in.TaxableWage - in.CafeStateAmt;
    if (why != nullptr) {
        *why += "federal " + traceAmount(in.FedTax) + (deducted ? " at most" : " above") +
                " the limit " + traceAmount(limit) + " (" +
                traceNumber(static_cast<float>(yearly)) +
                (in.frequency.weekly ? " / 52" : " / 26") + (spouseWorks ? ", spouse works" : "") +
                "): wage " + traceAmount(in.TaxableWage) +
                (deducted ? kTraceMinus + std::string("federal ") + traceAmount(in.FedTax) : "") +
                kTraceMinus + "cafeteria " + traceAmount(in.CafeStateAmt) + " = " + traceAmount(x);
    }
    x = x - in.state.StateSgExp[i] - in.state.StateMarExp[i];
    const auto& table = in.frequency.biWeekly ? kMissouriBiWeekly : kMissouriWeekly;
    const Bracket& b = bracketOf(table, x);
    const float tax = b.base + static_cast<float>(b.rate) * (x - b.over);
    if (why != nullptr) {
        *why += std::string(kTraceMinus) + "standard " + traceAmount(in.state.StateSgExp[i]) +
                kTraceMinus + "W4 allowance " + traceAmount(in.state.StateMarExp[i]) + " = " +
                traceAmount(x) + "; ";
        explainBracket(*why, table, b, in.frequency.biWeekly, x, tax);
        *why += "; the Missouri formula checks Round State";
    }
    StateFormulaResult r = taxOf(tax);
    r.checkRoundState = true;
    return r;
}

// The standard-deduction chart of the two statuses: S, MS, MM, or none.
std::optional<std::size_t> alabamaChart(const StateFormulaInput& in) {
    const bool fedSingle = in.FedStatus == "Single", fedMarried = in.FedStatus == "Married";
    const bool stateSingle = in.StateStatus == "Single", stateMarried = in.StateStatus == "Married";
    if (fedSingle && stateSingle) {
        return 0;
    }
    if (fedMarried && stateSingle) {
        return 1;
    }
    if (fedMarried && stateMarried) {
        return 2;
    }
    return std::nullopt;
}

StateFormulaResult alabama(const StateFormulaInput& in, int n, std::string* why) {
    const bool biWeekly = in.frequency.biWeekly;
    const float gross = in.GrossPay;

    const AlabamaDependent& dep = biWeekly ? kAlabamaDependentBiWeekly : kAlabamaDependentWeekly;
    float unit = dep.upToFirst;
    if (gross > dep.firstBound) {
        unit = dep.aboveFirst;
    }
    if (gross > dep.secondBound) {
        unit = dep.aboveSecond;
    }
    const float d = static_cast<float>(n) * unit;

    const float f = AlabamaStandardDeduction(in);
    const bool stateSingle = in.StateStatus == "Single";
    const AlabamaBrackets& b = biWeekly
                                   ? (stateSingle ? kAlabamaBiWeeklySingle : kAlabamaBiWeeklyOther)
                                   : (stateSingle ? kAlabamaWeeklySingle : kAlabamaWeeklyOther);
    const float x = gross - (d + (f + b.exemption + in.FedTax));
    const double dx = x;
    double tax = 0;
    if (dx <= b.F) {
        tax = kAlabamaRate1 * dx;
    } else if (dx <= b.G) {
        tax = b.taxAtF + kAlabamaRate2 * (dx - b.F);
    } else {
        tax = b.taxAtF + b.taxFtoG + kAlabamaRate3 * (dx - b.G);
    }
    if (why != nullptr) {
        static constexpr std::array<std::string_view, 3> kChart = {"chart S", "chart MS",
                                                                   "chart MM"};
        const std::optional<std::size_t> chart = alabamaChart(in);
        *why += "pay " + traceAmount(gross) + kTraceMinus + "(dependents " + std::to_string(n) +
                kTraceTimes + traceAmount(unit) + " + (standard deduction " + traceAmount(f) +
                " (" + (chart ? std::string(kChart[*chart]) : std::string("no chart")) +
                " for federal " + in.FedStatus + ", state " + in.StateStatus +
                ") + personal exemption " + traceAmount(b.exemption) + " + federal " +
                traceAmount(in.FedTax) + ")) = " + traceAmount(x) + "; ";
        if (dx <= b.F) {
            *why += "up to " + traceAmount(b.F) + ": " + tracePercent(kAlabamaRate1) + " of " +
                    traceAmount(x);
        } else if (dx <= b.G) {
            *why += "above " + traceAmount(b.F) + " up to " + traceAmount(b.G) + ": " +
                    traceAmount(b.taxAtF) + " + " + tracePercent(kAlabamaRate2) + " of (" +
                    traceAmount(x) + kTraceMinus + traceAmount(b.F) + ")";
        } else {
            *why += "above " + traceAmount(b.G) + ": " + traceAmount(b.taxAtF) + " + " +
                    traceAmount(b.taxFtoG) + " + " + tracePercent(kAlabamaRate3) + " of (" +
                    traceAmount(x) + kTraceMinus + traceAmount(b.G) + ")";
        }
        *why += " = " + traceAmount(tax);
    }
    return taxOf(tax);
}

StateFormulaResult mass(const StateFormulaInput& in, std::string* why) {
    const std::size_t i = column(in.StateExemptions);
    const bool afterTaxes = in.TotSS + in.TotMedi > 2000;
    float x = afterTaxes ? in.GrossPay : in.GrossPay - in.SocSecTax - in.MediTax;
    if (why != nullptr) {
        *why += "Social Security and Medicare of the year " + traceAmount(in.TotSS) + " + " +
                traceAmount(in.TotMedi) + (afterTaxes ? ", above" : ", not above") +
                " 2000.00: pay " + traceAmount(in.GrossPay);
        if (!afterTaxes) {
            *why += kTraceMinus + std::string("Social Security ") + traceAmount(in.SocSecTax) +
                    kTraceMinus + "Medicare " + traceAmount(in.MediTax);
        }
        *why += " = " + traceAmount(x);
    }
    // Always the married column, whatever the status.
    x = in.frequency.biWeekly ? x - in.state.StateMarExp[i] : x - 0.5f * in.state.StateMarExp[i];
    const float tax = x * in.state.StatePerBS[0];
    if (why != nullptr) {
        *why += std::string(kTraceMinus) +
                (in.frequency.biWeekly ? "married allowance " : "half the married allowance ") +
                traceAmount(in.state.StateMarExp[i]) + " = " + traceAmount(x) + kTraceTimes +
                tracePercent(in.state.StatePerBS[0]) + " = " + traceAmount(tax);
    }
    return taxOf(tax);
}

StateFormulaResult utah(const StateFormulaInput& in, std::string* why) {
    const StateTable t = tableFor(in.state, isSingle(in.StateStatus));
    const bool weekly = !in.frequency.biWeekly;
    const float x = in.TaxableWage - in.CafeStateAmt;
    float credit = in.StateExpAmt;
    float tax = 0;
    StateFormulaResult r;
    const auto row = rowOf(t.Min, 6, x, weekly);
    if (row) {
        tax = x * t.Per[*row] + (weekly ? t.Amt[*row] / 2.0f : t.Amt[*row]);
        if (*row == 6) {
            credit = 0;
            r.StateExpAmt = 0.0f;
        }
    }
    r.StateTax = tax - credit;
    if (why != nullptr) {
        *why += "wage " + traceAmount(in.TaxableWage) + kTraceMinus + "cafeteria " +
                traceAmount(in.CafeStateAmt) + " = " + traceAmount(x) + "; ";
        if (row) {
            *why += lineText(t, *row, 6, weekly) + ": " + traceAmount(x) + kTraceTimes +
                    tracePercent(t.Per[*row]) + " + " +
                    traceAmount(weekly ? t.Amt[*row] / 2.0f : t.Amt[*row]) + " = " +
                    traceAmount(tax);
        } else {
            *why += "no line of the " + std::string(t.name) + " applies: 0";
        }
        if (row == std::size_t{6}) {
            *why += "; the top line drops the credit = " + traceAmount(r.StateTax);
        } else {
            *why += kTraceMinus + std::string("credit ") + traceAmount(credit) + " = " +
                    traceAmount(r.StateTax);
        }
    }
    return r;
}

StateFormulaResult oregon(const StateFormulaInput& in, std::string* why) {
    const bool biWeekly = in.frequency.biWeekly;
    const float cap = biWeekly ? kOregonFederalCapBiWeekly : kOregonFederalCapWeekly;
    const float federal = std::min(in.FedTax, cap);
    float x = in.GrossPay - federal;
    float statusAmount = 0;
    if (in.StateStatus == "Single") {
        statusAmount = biWeekly ? kOregonSingleBiWeekly : kOregonSingleWeekly;
        x = x - statusAmount;
    } else if (in.StateStatus == "Married") {
        statusAmount = biWeekly ? kOregonMarriedBiWeekly : kOregonMarriedWeekly;
        x = x - statusAmount;
    }
    const bool married = !isSingle(in.StateStatus) || in.StateExemptions > 2;
    const StateTable t = tableFor(in.state, !married);
    const float exp = t.Exp[column(in.StateExemptions)];
    float tax = 0;
    int line = 0;  // the line that applied, 1 to 3, or 0
    if (t.Min[0] <= x && x < t.Min[1]) {
        tax = 0;
        line = 1;
    }
    if (t.Min[1] <= x && x < t.Min[2]) {
        tax = (x - t.Min[1]) * t.Per[1] + t.Amt[1] - exp;
        line = 2;
    }
    if (x >= t.Min[2]) {
        tax = (x - t.Min[2]) * t.Per[2] + t.Amt[2] - exp;
        line = 3;
    }
    if (why != nullptr) {
        *why += "pay " + traceAmount(in.GrossPay) + kTraceMinus + "federal " +
                traceAmount(federal) + " (at most " + traceAmount(cap) + ")";
        if (in.StateStatus == "Single" || in.StateStatus == "Married") {
            *why += kTraceMinus + traceAmount(statusAmount) + " (" + in.StateStatus + ")";
        }
        *why += " = " + traceAmount(x) + "; ";
        if (line == 0) {
            *why += "below line 1 of the " + std::string(t.name) + ": 0";
        } else {
            const auto r = static_cast<std::size_t>(line - 1);
            *why += lineText(t, r, 2, false) + ": ";
            if (line == 1) {
                *why += "0";
            } else {
                *why += "(" + traceAmount(x) + kTraceMinus + traceAmount(t.Min[r]) + ")" +
                        kTraceTimes + tracePercent(t.Per[r]) + " + " + traceAmount(t.Amt[r]) +
                        kTraceMinus + "allowance " + traceAmount(exp) + " = " + traceAmount(tax);
            }
        }
    }
    return taxOf(tax);
}

StateFormulaResult kentucky(const StateFormulaInput& in, std::string* why) {
    const StateTable t = tableFor(in.state, isSingle(in.StateStatus));
    const float G = in.GrossPay;
    auto y = [&](std::size_t r) { return G - t.Amt[r]; };
    std::optional<std::size_t> bracket;
    if (y(0) <= t.Min[0]) {
        bracket = 0;
    }
    if (y(0) > t.Min[0] && y(1) <= t.Min[1]) {
        bracket = 1;
    }
    if (y(1) > t.Min[1] && y(2) <= t.Min[2]) {
        bracket = 2;
    }
    if (y(0) > t.Min[2] && y(0) <= t.Min[3]) {
        bracket = 3;
    }
    if (y(0) > t.Min[3]) {
        bracket = 4;
    }
    if (y(0) > t.Min[4]) {
        bracket = 5;
    }
    const float exp = t.Exp[column(in.StateExemptions)];
    float tax = 0;
    if (bracket == 0) {
        tax = t.Per[0] * y(0) - exp;
    } else if (bracket) {
        const std::size_t k = *bracket;
        tax = t.Per[0] * t.Min[0];
        for (std::size_t j = 1; j < k; ++j) {
            tax = tax + t.Per[j] * (t.Min[j] - t.Min[j - 1]);
        }
        tax = tax + t.Per[k] * (y(k) - t.Min[k - 1]) - exp;
    }
    if (why != nullptr) {
        if (!bracket) {
            *why += "pay " + traceAmount(G) + " in no line of the " + std::string(t.name) + ": 0";
        } else {
            const std::size_t k = *bracket;
            *why += "pay " + traceAmount(G) + kTraceMinus + "standard deduction " +
                    traceAmount(t.Amt[k]) + " = " + traceAmount(y(k)) + "; line " +
                    std::to_string(k + 1) + " of the " + std::string(t.name) + ": ";
            if (k == 0) {
                *why += tracePercent(t.Per[0]) + " of " + traceAmount(y(0));
            } else {
                *why += tracePercent(t.Per[0]) + " of " + traceAmount(t.Min[0]);
                for (std::size_t j = 1; j < k; ++j) {
                    *why += " + " + tracePercent(t.Per[j]) + " of (" + traceAmount(t.Min[j]) +
                            kTraceMinus + traceAmount(t.Min[j - 1]) + ")";
                }
                *why += " + " + tracePercent(t.Per[k]) + " of (" + traceAmount(y(k)) + kTraceMinus +
                        traceAmount(t.Min[k - 1]) + ")";
            }
            *why +=
                kTraceMinus + std::string("credit ") + traceAmount(exp) + " = " + traceAmount(tax);
        }
    }
    return taxOf(tax);
}

StateFormulaResult wisconsin(const StateFormulaInput& in, std::string* why) {
    const StateTable t = tableFor(in.state, isSingle(in.StateStatus));
    const bool weekly = !in.frequency.biWeekly;
    const float x = in.TaxableWage - in.state.CalAllow - in.CafeStateAmt;
    float tax = 0;
    const auto row = rowOf(t.Min, 9, x, weekly);
    if (row) {
        const std::size_t r = *row;
        tax = weekly ? (x - t.Min[r] / 2.0f) * t.Per[r] + t.Amt[r] / 2.0f
                     : (x - t.Min[r]) * t.Per[r] + t.Amt[r];
    }
    const float credit = weekly ? in.StateExpAmt / 2.0f : in.StateExpAmt;
    const float result = tax - credit;
    if (why != nullptr) {
        *why += "wage " + traceAmount(in.TaxableWage) + kTraceMinus + "California allowance " +
                traceAmount(in.state.CalAllow) + kTraceMinus + "cafeteria " +
                traceAmount(in.CafeStateAmt) + " = " + traceAmount(x) + "; ";
        if (row) {
            const std::size_t r = *row;
            *why += lineText(t, r, 9, weekly) + ": (" + traceAmount(x) + kTraceMinus +
                    traceAmount(weekly ? t.Min[r] / 2.0f : t.Min[r]) + ")" + kTraceTimes +
                    tracePercent(t.Per[r]) + " + " +
                    traceAmount(weekly ? t.Amt[r] / 2.0f : t.Amt[r]) + " = " + traceAmount(tax);
        } else {
            *why += "no line of the " + std::string(t.name) + " applies: 0";
        }
        *why += kTraceMinus + std::string(weekly ? "half the allowance " : "allowance ") +
                traceAmount(in.StateExpAmt) + " = " + traceAmount(result);
    }
    return taxOf(result);
}

StateFormulaResult northCarolina(const StateFormulaInput& in, std::string* why) {
    const StateTable t = tableFor(in.state, isSingle(in.StateStatus));
    const bool weekly = !in.frequency.biWeekly;
    const float x = in.TaxableWage - in.state.CalAllow -
                    (weekly ? in.StateExpAmt / 2.0f : in.StateExpAmt) - in.CafeStateAmt;
    float tax = 0;
    const auto row = rowOf(t.Min, 9, x, weekly);
    if (row) {
        const std::size_t r = *row;
        tax = x * t.Per[r] - (weekly ? t.Amt[r] / 2.0f : t.Amt[r]);
    }
    if (why != nullptr) {
        *why += "wage " + traceAmount(in.TaxableWage) + kTraceMinus + "California allowance " +
                traceAmount(in.state.CalAllow) + kTraceMinus +
                (weekly ? "half the allowance " : "allowance ") + traceAmount(in.StateExpAmt) +
                kTraceMinus + "cafeteria " + traceAmount(in.CafeStateAmt) + " = " + traceAmount(x) +
                "; ";
        if (row) {
            const std::size_t r = *row;
            *why += lineText(t, r, 9, weekly) + ": " + traceAmount(x) + kTraceTimes +
                    tracePercent(t.Per[r]) + kTraceMinus +
                    traceAmount(weekly ? t.Amt[r] / 2.0f : t.Amt[r]) + " = " + traceAmount(tax);
        } else {
            *why += "no line of the " + std::string(t.name) + " applies: 0";
        }
    }
    return taxOf(tax);
}

}  // namespace

StateFormulaResult GetLouisiana(const StateFormulaInput& in) {
    return louisiana(in, nullptr);
}

StateFormulaResult GetLouisianaPrior(const StateFormulaInput& in) {
    return louisianaPrior(in, nullptr);
}

StateFormulaResult GetIowa(const StateFormulaInput& in, int n) {
    return iowa(in, n, nullptr);
}

StateFormulaResult GetMissouri(const StateFormulaInput& in, int n) {
    return missouri(in, n, nullptr);
}

float AlabamaStandardDeduction(const StateFormulaInput& in) {
    const auto& charts = in.frequency.biWeekly ? kAlabamaBiWeekly : kAlabamaWeekly;
    const std::optional<std::size_t> chart = alabamaChart(in);
    return chart ? standardDeduction(charts[*chart], in.GrossPay) : 0.0f;
}

StateFormulaResult GetAlabama(const StateFormulaInput& in, int n) {
    return alabama(in, n, nullptr);
}

StateFormulaResult GetMass(const StateFormulaInput& in) {
    return mass(in, nullptr);
}

StateFormulaResult GetUtah(const StateFormulaInput& in) {
    return utah(in, nullptr);
}

StateFormulaResult GetOregon(const StateFormulaInput& in) {
    return oregon(in, nullptr);
}

StateFormulaResult GetKentucky(const StateFormulaInput& in) {
    return kentucky(in, nullptr);
}

StateFormulaResult GetWisconsin(const StateFormulaInput& in) {
    return wisconsin(in, nullptr);
}

StateFormulaResult GetNC(const StateFormulaInput& in) {
    return northCarolina(in, nullptr);
}

std::optional<StateFormulaResult> specialStateTax(const StateFormulaInput& in, std::string* why) {
    const StateSettings& s = in.state;
    const int n = in.StateExemptions;
    auto named = [why](std::string_view formula) {
        if (why != nullptr) {
            *why += formula;
            *why += " formula: ";
        }
        return why;
    };
    if (s.StateLouis != 0) {
        return in.louisianaPrior ? louisianaPrior(in, named("Louisiana, before July 1,"))
                                 : louisiana(in, named("Louisiana"));
    }
    if (s.StateIowa != 0) {
        return iowa(in, n, named("Iowa"));
    }
    if (s.StateMissouri != 0) {
        return missouri(in, n, named("Missouri"));
    }
    if (s.StateMass != 0) {
        return mass(in, named("Massachusetts"));
    }
    if (s.StateOregon != 0) {
        return oregon(in, named("Oregon"));
    }
    if (s.StateUtah != 0) {
        return utah(in, named("Utah"));
    }
    if (s.StateAlabama != 0) {
        return alabama(in, n, named("Alabama"));
    }
    if (s.StateKentucky != 0) {
        return kentucky(in, named("Kentucky"));
    }
    if (s.StateWiscon != 0 || s.StateWisconApril != 0) {
        return wisconsin(in, named("Wisconsin"));
    }
    if (s.StateNC != 0) {
        return northCarolina(in, named("North Carolina"));
    }
    return std::nullopt;
}

}  // namespace quillon
