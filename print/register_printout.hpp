// The year register printout: the whole register on one landscape page.
#pragma once

#include <string>

#include "engine/register.hpp"
#include "print/page.hpp"
#include "records/files.hpp"
#include "records/profile.hpp"

namespace quillon {

struct RegisterPrintInput {
    CompanyHeading heading;
    std::string UserFile;
    std::string today;  // the system's short date
    Profile profile;    // its deduction names head five columns
    Register yearRegister;
    int usedRows = kWeeklyRows;  // 53 weekly, 27 bi-weekly
};

// A register amount as the slot lines print it: its shortest decimal text, led by a space
// unless negative and followed by one (" 12.5 ", " 0 ", "-3 ").
[[nodiscard]] std::string slotText(float value);

// PrintYr: the company heading, the employee, one line per used slot, a rule, the totals and the
// SDI, SUI, cafeteria and tips totals. Arial 10, 9 and 8.
[[nodiscard]] Page PrintYr(const RegisterPrintInput& in);

}  // namespace quillon
