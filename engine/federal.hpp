// Federal income-tax withholding by the percentage method, from the federal table's brackets.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/tables.hpp"

namespace quillon {

// The bracket set for a status and frequency: bi-weekly when "Bi-Weekly" is selected, else
// weekly when "Weekly" is; with neither nothing is computed (nullopt). `single` is true for
// the status "Single"; every other status uses the married sets.
[[nodiscard]] std::optional<FedSet> FedSetFor(bool single, PayFrequency frequency);

// FedSingle and FedMarried: the withholding on FedWage by one bracket set. Brackets are tested
// in order and a later applying one overwrites an earlier one; bracket 8 has no upper bound. A
// wage at or below bracket 1's Over gives 0. Arithmetic in extended precision, result Single.
[[nodiscard]] float FedByBrackets(const std::array<FedBracket, 8>& brackets, float FedWage);

// Both steps together: 0 when no frequency is selected. With `why`, appends how the tax was
// reached: "over 222.00 in the single weekly bracket: 17.90 + 15 % of 422.20 = 81.23".
[[nodiscard]] float FedWithholding(const FederalTable& table, bool single, PayFrequency frequency,
                                   float FedWage, std::string* why = nullptr);

}  // namespace quillon
