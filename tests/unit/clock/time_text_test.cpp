#include <gtest/gtest.h>
#include "clock/time_text.h"
using kok::clock::FormatDuration;
TEST(FormatDuration, Examples) {
    EXPECT_EQ(FormatDuration(0, true), "00:00:00");
}
