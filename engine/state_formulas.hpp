// The built-in state formulas (Louisiana, Iowa, Missouri, Alabama) and the table-driven ones
// (Massachusetts, Utah, Oregon, Kentucky, Wisconsin, North Carolina), and the dispatch that
// picks one of them in place of the generic bracket computation.
#pragma once

#include <optional>
#include <string>

#include "engine/tables.hpp"

namespace quillon {

// What a state formula reads from the calculation in progress.
struct StateFormulaInput {
    float GrossPay = 0;
    float TaxableWage = 0;         // gross less health insurance and K plan
    float FedTax = 0;              // federal withholding as held when the state step runs
    float SocSecTax = 0;           // this period's Social Security, before rounding
    float MediTax = 0;             // this period's Medicare, before rounding
    float CafeStateAmt = 0;        // cafeteria amount that lowers the state wage
    float StateExpAmt = 0;         // the state allowance the calculation picked
    float TotSS = 0, TotMedi = 0;  // register totals, year to date
    std::string StateStatus;       // "Single", "Married", ...
    std::string FedStatus;
    int StateExemptions = 0;  // 0 to 9
    PayFrequency frequency;
    bool louisianaPrior = false;  // the main window's "Louisiana- Prior to July 1"
    StateSettings state;          // tables, allowances, CalAllow, SpouseWorks, the special states
};

struct StateFormulaResult {
    double StateTax = 0;               // may be negative; the caller floors it at 0
    std::optional<float> StateExpAmt;  // set when a formula changes the allowance (Utah)
    bool checkRoundState = false;      // Missouri checks "Round State"
};

[[nodiscard]] StateFormulaResult GetLouisiana(const StateFormulaInput& in);
[[nodiscard]] StateFormulaResult GetLouisianaPrior(const StateFormulaInput& in);
[[nodiscard]] StateFormulaResult GetIowa(const StateFormulaInput& in, int n);
[[nodiscard]] StateFormulaResult GetMissouri(const StateFormulaInput& in, int n);
[[nodiscard]] StateFormulaResult GetAlabama(const StateFormulaInput& in, int n);
// Alabama's standard deduction for the period's GrossPay, from the chart that FedStatus and
// StateStatus pick (0 for a pair without a chart); GetAlabama subtracts it.
[[nodiscard]] float AlabamaStandardDeduction(const StateFormulaInput& in);
[[nodiscard]] StateFormulaResult GetMass(const StateFormulaInput& in);
[[nodiscard]] StateFormulaResult GetUtah(const StateFormulaInput& in);
[[nodiscard]] StateFormulaResult GetOregon(const StateFormulaInput& in);
[[nodiscard]] StateFormulaResult GetKentucky(const StateFormulaInput& in);
[[nodiscard]] StateFormulaResult GetWisconsin(const StateFormulaInput& in);
[[nodiscard]] StateFormulaResult GetNC(const StateFormulaInput& in);

// The special-state dispatch: the formula of the checked special state (Louisiana in the variant
// the main window's box picks), or nullopt when none with a formula of its own is checked
// (Arizona included), so that the generic bracket computation runs. With `why`, appends the
// formula's name and how it reached the tax, step by step as it computes it.
[[nodiscard]] std::optional<StateFormulaResult> specialStateTax(const StateFormulaInput& in,
                                                                std::string* why = nullptr);

}  // namespace quillon
