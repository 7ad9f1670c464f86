#include "core/XADates.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using namespace std::chrono;

// 2021-03-04 05:06:07.089 UTC
const system_clock::time_point kMoment = system_clock::time_point(milliseconds(1614834367089));

TEST(XADatesTests, FormatsInUTCWithPOSIXNames) {
    EXPECT_EQ(xa_stringFromUTCDate(kMoment, "yyyy-MM-dd'T'HH:mm:ss.SSS'Z'"), "2021-03-04T05:06:07.089Z");
    EXPECT_EQ(xa_stringFromUTCDate(kMoment, "EEE, d MMM yyyy HH:mm:ss zzz"), "Thu, 4 Mar 2021 05:06:07 UTC");
    EXPECT_EQ(xa_stringFromUTCDate(system_clock::time_point(), "yyyy-MM-dd HH:mm"), "1970-01-01 00:00");
}

TEST(XADatesTests, ParsesWholeTextsOnly) {
    EXPECT_EQ(xa_UTCDateFromString("2021-03-04T05:06:07.089Z", "yyyy-MM-dd'T'HH:mm:ss.SSS'Z'"), kMoment);
    EXPECT_EQ(xa_UTCDateFromString("2021-03-04", "yyyy-MM-dd"), system_clock::time_point(hours(24 * 18690)));
    EXPECT_EQ(xa_UTCDateFromString("2021-03-04 trailing", "yyyy-MM-dd"), std::nullopt);
    EXPECT_EQ(xa_UTCDateFromString("2021-13-45", "yyyy-MM-dd"), std::nullopt); // strict, not rolled over
    EXPECT_EQ(xa_UTCDateFromString("", "yyyy-MM-dd"), std::nullopt);
    EXPECT_EQ(xa_UTCDateFromString("yesterday", "yyyy-MM-dd"), std::nullopt);
    EXPECT_EQ(xa_UTCDateFromString("99999999-01-01", "yyyy-MM-dd"), std::nullopt); // beyond the clock's range
}

TEST(XADatesTests, FormattersArePerThreadAndPerFormat) {
    icu::SimpleDateFormat *first = xa_UTCDateFormatterWithFormat("yyyy");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(xa_UTCDateFormatterWithFormat("yyyy"), first);
    EXPECT_NE(xa_UTCDateFormatterWithFormat("yyyy-MM"), first);
    icu::SimpleDateFormat *other = nullptr;
    std::thread([&other] { other = xa_UTCDateFormatterWithFormat("yyyy"); }).join();
    EXPECT_NE(other, first);
    icu::UnicodeString zone;
    first->getTimeZone().getID(zone);
    EXPECT_TRUE(zone == icu::UnicodeString(u"UTC"));
}

TEST(XADatesTests, RemovesQuotedLiteralParts) {
    const struct {
        std::string format;
        std::string expected;
    } cases[] = {
        {"yyyy-MM-dd'T'HH:mm", "yyyy-MM-ddHH:mm"},
        {"'at' HH 'o''clock'", " HH "},
        {"no literals", "no literals"},
        {"HH 'unterminated", "HH 'unterminated"},
        {"", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(xa_dateFormatWithoutLiteralParts(c.format), c.expected) << c.format;
    }
}

} // namespace
