// The quarter and year report on paper: the employee table, the quarter's Form 941 lines or the
// year's wage statements, the self-employed, the skipped rows and the notes, laid out as pages
// for the one renderer.
#pragma once

#include <vector>

#include "print/page.hpp"
#include "session/year_report.hpp"

namespace quillon {

// One landscape page (the renderer continues it on further sheets when it runs long). `today`
// is the printout's date.
[[nodiscard]] Page yearReportPage(const YearReport& report, const std::string& today);

// An amount as the printout shows it: thousands separators, two decimals ("1,234.50", "0.00").
[[nodiscard]] std::string printedAmount(Currency amount);

}  // namespace quillon
