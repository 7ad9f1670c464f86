#include "core/XAISO8601Date.h"

#include <gtest/gtest.h>

namespace {

TEST(XAISO8601Date, FormatsAndParsesISO8601Dates) {
    struct Case {
        double seconds;
        std::string text;
    };
    const Case cases[] = {
        {0, "2001-01-01T00:00:00Z"},
        {-1, "2000-12-31T23:59:59Z"},
        {0.5, "2001-01-01T00:00:00.5Z"},
        {599627045.125, "2020-01-02T03:04:05.125Z"},
        {-3187296000, "1900-01-01T00:00:00Z"},
        {-63113904000, "0001-01-01T00:00:00Z"},
        {5097600, "2001-03-01T00:00:00Z"}, // after the end of February in a non-leap year
        {951782400 - 978307200, "2000-02-29T00:00:00Z"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XAISO8601StringFromDate(XADate{c.seconds}), c.text) << c.seconds;
        std::optional<XADate> parsed = XADateFromISO8601String(c.text);
        ASSERT_TRUE(parsed) << c.text;
        EXPECT_DOUBLE_EQ(parsed->secondsSinceReferenceDate, c.seconds) << c.text;
    }
    EXPECT_EQ(XAISO8601StringFromDate(XADate{0.9999999}), "2001-01-01T00:00:01Z");
    for (const char *bad : {"2020-01-02", "2020-13-01T00:00:00Z", "2020-01-02T03:04:05", "2020-01-02T03:04:05.Z",
                            "2020-01-02T24:00:00Z", "2020-01-02T03:04:05Zx", ""}) {
        EXPECT_FALSE(XADateFromISO8601String(bad)) << bad;
    }
}

} // namespace
