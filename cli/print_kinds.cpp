// The table of printouts.
#include "cli/print_kinds.hpp"

#include <array>

namespace quillon {
namespace {

constexpr std::array kPrintKinds = {
    PrintKind{"register", "the year-to-date register on one landscape page", nullptr,
              &registerPrintout, nullptr},
    PrintKind{"statement", "the pay statement of the period", nullptr, &statementPrintout, nullptr},
    PrintKind{"check", "the paycheck with its two stubs", &checkOffsetOptions, &checkPrintout,
              &checkPrinted},
};

}  // namespace

std::span<const PrintKind> printKinds() {
    return kPrintKinds;
}

const PrintKind* findPrintKind(std::string_view word) {
    for (const PrintKind& kind : kPrintKinds) {
        if (kind.word == word) {
            return &kind;
        }
    }
    return nullptr;
}

}  // namespace quillon
