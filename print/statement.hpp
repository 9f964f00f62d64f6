// The pay statement: one portrait page of the period's earnings, taxes, deductions and net pay,
// with their year-to-date amounts from the register.
#pragma once

#include <string>

#include "engine/register.hpp"
#include "print/page.hpp"
#include "print/pay_figures.hpp"
#include "records/files.hpp"
#include "records/profile.hpp"

namespace quillon {

struct StatementInput {
    CompanyHeading heading;
    std::string UserFile;
    std::string today;      // the system's short date
    Profile profile;        // EmpSSN, the rates, the deduction names
    ShownPeriod period;     // the main window's
    RegisterTotals totals;  // the register as last saved
};

// PrintText: lines 1 to 5 in Arial 11, the rest in Arial 10.
[[nodiscard]] PageOutcome PrintText(const StatementInput& in);

}  // namespace quillon
