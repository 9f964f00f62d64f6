// The "Printer Offset" boxes as offsets: what they refuse, naming the box. What the offsets do to
// the paycheck: print/tests/paycheck_test.cpp.
#include "session/print_offset_dialog.hpp"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(CheckOffsets, OffsetsThatAreNotNumbersAreRefused) {
    static const struct {
        const char* horizontal;
        const char* vertical;
        const char* message;
    } cases[] = {
        {"abc", "0",
         "The horizontal offset \"abc\" is not a number from -99 to 99. Nothing was stored or "
         "printed."},
        {"", "0",
         "The horizontal offset \"\" is not a number from -99 to 99. Nothing was stored or "
         "printed."},
        {"0", "1 2",
         "The vertical offset \"1 2\" is not a number from -99 to 99. Nothing was stored or "
         "printed."},
        {"100", "0",
         "The horizontal offset \"100\" is not a number from -99 to 99. Nothing was stored or "
         "printed."},
        {"0", "-99.6",
         "The vertical offset \"-99.6\" is not a number from -99 to 99. Nothing was stored or "
         "printed."},
        {"0", "1e30",
         "The vertical offset \"1e30\" is not a number from -99 to 99. Nothing was stored or "
         "printed."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const auto parsed = checkOffsets(c.horizontal, c.vertical);
        ASSERT_TRUE(std::holds_alternative<OffsetRefusal>(parsed));
        EXPECT_EQ(std::get<OffsetRefusal>(parsed).message, c.message);
    }
    // The limits themselves are taken.
    const auto limits = checkOffsets("-99", "99");
    ASSERT_TRUE(std::holds_alternative<CheckOffsets>(limits));
    EXPECT_EQ(std::get<CheckOffsets>(limits), (CheckOffsets{-99, 102}));
}

}  // namespace
}  // namespace quillon
