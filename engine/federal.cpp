// Federal withholding: bracket set choice and the percentage-method arithmetic.
#include "engine/federal.hpp"

#include "engine/money.hpp"

namespace quillon {

std::optional<FedSet> FedSetFor(bool single, PayFrequency frequency) {
    if (frequency.biWeekly) {
        return single ? FedSet::SingleBiWeekly : FedSet::MarriedBiWeekly;
    }
    if (frequency.weekly) {
        return single ? FedSet::SingleWeekly : FedSet::MarriedWeekly;
    }
    return std::nullopt;
}

float FedByBrackets(const std::array<FedBracket, 8>& brackets, float FedWage) {
    const Extended w = FedWage;
    Extended tax = 0;
    bool applied = false;
    for (std::size_t i = 0; i < brackets.size(); ++i) {
        const FedBracket& b = brackets[i];
        const bool last = i + 1 == brackets.size();
        const bool inside =
            last ? w > Extended{b.Over} : Extended{b.Over} < w && w <= Extended{b.NotOver};
        if (!inside) {
            continue;
        }
        tax = (w - Extended{b.ExcessOver}) * Extended{b.Rate};
        if (i > 0) {
            tax += Extended{b.Base};  // bracket 1 has no base amount
        }
        applied = true;
    }
    return applied ? static_cast<float>(tax) : 0.0f;
}

float FedWithholding(const FederalTable& table, bool single, PayFrequency frequency,
                     float FedWage) {
    const std::optional<FedSet> set = FedSetFor(single, frequency);
    if (!set) {
        return 0.0f;
    }
    return FedByBrackets(table.set(*set), FedWage);
}

}  // namespace quillon
