// The pay statement for the worked calculation, and what it prints before a calculation or for
// an employee without a first rate.
#include "print/statement.hpp"

#include <gtest/gtest.h>

#include "print/tests/fixtures.hpp"
#include "print/tests/golden.hpp"

namespace quillon {
namespace {

using testing::expectGolden;
using testing::workedStatement;

Page statementPage(const StatementInput& in) {
    PageOutcome outcome = PrintText(in);
    if (const auto* error = std::get_if<PrintError>(&outcome)) {
        ADD_FAILURE() << error->message;
        return {};
    }
    return std::get<Page>(outcome);
}

// Page line n (counting from 1, as the layout is written).
const std::vector<Item>& line(const Page& page, std::size_t n) {
    return page.lines.at(n - 1).items;
}

// The worked period (engine/tests/pay_inputs.hpp): 80 h at 25, 4 h at 30, 3 h O.T. at 2X,
// 6.5 h at 1.5, 8 h holiday, $150.25, 12 tip hours at 2: gross 2888.00, taxes 645.31,
// deductions 332.54, net 1886.15. The register holds 26 periods of 4500.00 gross.
TEST(PrintText, WorkedCalculation) {
    const Page page = statementPage(workedStatement());
    EXPECT_EQ(page.orientation, Orientation::Portrait);
    ASSERT_EQ(page.lines.size(), 61u);
    expectGolden("statement_worked.txt", describe(page));

    EXPECT_EQ(line(page, 22),
              (std::vector<Item>{
                  {5, "O.T. 1x / 2x Earned"}, {30, "50.00"}, {50, "3.00"}, {65, "150.00"}}));
    EXPECT_EQ(line(page, 24),
              (std::vector<Item>{
                  {5, "Tips"}, {30, "2.00"}, {50, "12.00"}, {65, "24.00"}, {85, "624.00"}}));
    EXPECT_EQ(line(page, 37),
              (std::vector<Item>{{65, "Federal Tax"}, {100, "274.64"}, {115, "15922.40"}}));
    // YTD taxes: 26 x (612.40 + 275.28 + 64.38 + 238.15 + 152.90 + 45.00 + 3.25 + 60.00).
    EXPECT_EQ(
        line(page, 59),
        (std::vector<Item>{
            {5, "Current"}, {30, "2888.00"}, {50, "645.31"}, {65, "332.54"}, {85, "1886.15"}}));
    EXPECT_EQ(line(page, 60), (std::vector<Item>{{5, "YTD"},
                                                 {30, "117000.00"},
                                                 {50, "37735.36"},
                                                 {65, "9600.76"},
                                                 {85, "69039.88"},
                                                 {100, "12/30/2016"}}));
}

TEST(PrintText, BeforeACalculation) {
    StatementInput in = workedStatement();
    in.period = ShownPeriod{};
    in.period.txtWeek = "1/6/2017";
    const Page page = statementPage(in);
    // Empty boxes print as 0 hours; the result labels are empty and print so.
    EXPECT_EQ(line(page, 20),
              (std::vector<Item>{{5, "Regular1 Earning"}, {30, ".00"}, {50, ".00"}, {65, ".00"}}));
    EXPECT_EQ(line(page, 38),
              (std::vector<Item>{{65, "Social Security Tax"}, {100, ""}, {115, "7157.28"}}));
    EXPECT_EQ(line(page, 59),
              (std::vector<Item>{{5, "Current"}, {30, ""}, {50, ""}, {65, ""}, {85, ""}}));
}

TEST(PrintText, AnEmployeeWithoutAFirstRateSeesTheDefaultRateHePaidAt) {
    StatementInput in = workedStatement();
    in.profile.HourRate = 0;
    PayInput input = testing::realisticInput();
    input.employee.HourRate = 0;
    const PayResult r = std::get<PayResult>(Calcu_late(input));
    in.period = shownPeriod(r, r.txtAmount, input.opt1x, testing::kWorkedWeekEnding);
    const Page page = statementPage(in);
    EXPECT_EQ(line(page, 20)[1], (Item{30, "7.50"}));
    // 8 holiday hours at 7.50, as gross pay counted them.
    EXPECT_EQ(line(page, 25),
              (std::vector<Item>{{5, "Holiday"}, {30, "7.50"}, {50, "8.00"}, {65, "60.00"}}));
    EXPECT_EQ(line(page, 26)[1], (Item{30, "7.50"}));
}

TEST(PrintText, AnEmptyDeductionNamePrintsItsAmounts) {
    StatementInput in = workedStatement();
    in.profile.DedName7 = "";
    EXPECT_EQ(line(statementPage(in), 46),
              (std::vector<Item>{{65, ""}, {100, "18.76"}, {115, "487.76"}}));
}

}  // namespace
}  // namespace quillon
