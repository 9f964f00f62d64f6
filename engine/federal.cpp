// Federal withholding: bracket set choice and the percentage-method arithmetic.
#include "engine/federal.hpp"

#include <string_view>

#include "engine/money.hpp"
#include "engine/trace.hpp"

namespace quillon {

namespace {

std::string_view setName(FedSet set) {
    switch (set) {
        case FedSet::SingleBiWeekly:
            return "single bi-weekly";
        case FedSet::SingleWeekly:
            return "single weekly";
        case FedSet::MarriedBiWeekly:
            return "married bi-weekly";
        case FedSet::MarriedWeekly:
            return "married weekly";
    }
    return "";
}

// The brackets of one set and the one that applied, if any.
float fedByBrackets(const std::array<FedBracket, 8>& brackets, float FedWage, std::string_view set,
                    std::string* why) {
    const Extended w = FedWage;
    Extended tax = 0;
    const FedBracket* applied = nullptr;
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
        applied = &b;
    }
    const float result = applied != nullptr ? static_cast<float>(tax) : 0.0f;
    if (why != nullptr) {
        if (applied == nullptr) {
            *why += "in no bracket of the " + std::string(set) + " set: 0";
        } else {
            const float excess = static_cast<float>(w - Extended{applied->ExcessOver});
            *why +=
                "over " + traceAmount(applied->Over) + " in the " + std::string(set) + " bracket: ";
            if (applied != brackets.data()) {
                *why += traceAmount(applied->Base) + " + ";
            }
            *why += tracePercent(applied->Rate) + " of " + traceAmount(excess) + " = " +
                    traceAmount(result);
        }
    }
    return result;
}

}  // namespace

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
    return fedByBrackets(brackets, FedWage, "", nullptr);
}

float FedWithholding(const FederalTable& table, bool single, PayFrequency frequency, float FedWage,
                     std::string* why) {
    const std::optional<FedSet> set = FedSetFor(single, frequency);
    if (!set) {
        if (why != nullptr) {
            *why += "neither Weekly nor Bi-Weekly is chosen, so no bracket set applies: 0";
        }
        return 0.0f;
    }
    return fedByBrackets(table.set(*set), FedWage, setName(*set), why);
}

}  // namespace quillon
