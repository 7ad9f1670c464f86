#include "core/XAISO8601Date.h"

#include "core/XAPropertyListInternal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

using xa_detail::kEarliestWritableDate;
using xa_detail::kLatestWritableDate;

constexpr std::int64_t kUnixSecondsAtReferenceDate = 978307200; // 2001-01-01T00:00:00Z

// Days since 1970-01-01 of a proleptic Gregorian date, and back (Howard Hinnant's algorithms).
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

void civilFromDays(std::int64_t days, std::int64_t &year, unsigned &month, unsigned &day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2);
}

bool readDigits(std::string_view text, std::size_t &position, std::size_t count, unsigned &value) {
    value = 0;
    for (std::size_t i = 0; i < count; ++i, ++position) {
        if (position >= text.size() || text[position] < '0' || text[position] > '9') {
            return false;
        }
        value = value * 10 + static_cast<unsigned>(text[position] - '0');
    }
    return true;
}

bool expectCharacter(std::string_view text, std::size_t &position, char expected) {
    if (position < text.size() && text[position] == expected) {
        ++position;
        return true;
    }
    return false;
}

} // namespace

std::string XAISO8601StringFromDate(XADate date) {
    double seconds = date.secondsSinceReferenceDate;
    seconds = std::isnan(seconds) ? 0 : std::clamp(seconds, kEarliestWritableDate, kLatestWritableDate);
    double whole = std::floor(seconds);
    auto microseconds = static_cast<std::int64_t>(std::llround((seconds - whole) * 1e6));
    if (microseconds >= 1'000'000) {
        whole += 1;
        microseconds = 0;
    }
    const std::int64_t unixSeconds = static_cast<std::int64_t>(whole) + kUnixSecondsAtReferenceDate;
    std::int64_t days = unixSeconds / 86400;
    std::int64_t secondOfDay = unixSeconds % 86400;
    if (secondOfDay < 0) {
        secondOfDay += 86400;
        --days;
    }
    std::int64_t year = 0;
    unsigned month = 0;
    unsigned day = 0;
    civilFromDays(days, year, month, day);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02uT%02lld:%02lld:%02lld", static_cast<long long>(year), month,
                  day, static_cast<long long>(secondOfDay / 3600), static_cast<long long>(secondOfDay / 60 % 60),
                  static_cast<long long>(secondOfDay % 60));
    std::string text = buffer;
    if (microseconds > 0) {
        std::snprintf(buffer, sizeof buffer, ".%06lld", static_cast<long long>(microseconds));
        std::string fraction = buffer;
        fraction.erase(fraction.find_last_not_of('0') + 1);
        text += fraction;
    }
    return text + "Z";
}

std::optional<XADate> XADateFromISO8601String(std::string_view text) {
    std::size_t position = 0;
    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!readDigits(text, position, 4, year) || !expectCharacter(text, position, '-') ||
        !readDigits(text, position, 2, month) || !expectCharacter(text, position, '-') ||
        !readDigits(text, position, 2, day) || !expectCharacter(text, position, 'T') ||
        !readDigits(text, position, 2, hour) || !expectCharacter(text, position, ':') ||
        !readDigits(text, position, 2, minute) || !expectCharacter(text, position, ':') ||
        !readDigits(text, position, 2, second)) {
        return std::nullopt;
    }
    double fraction = 0;
    if (expectCharacter(text, position, '.')) {
        double scale = 0.1;
        std::size_t digitsStart = position;
        for (; position < text.size() && text[position] >= '0' && text[position] <= '9'; ++position) {
            fraction += (text[position] - '0') * scale;
            scale /= 10;
        }
        if (position == digitsStart) {
            return std::nullopt;
        }
    }
    if (!expectCharacter(text, position, 'Z') || position != text.size()) {
        return std::nullopt;
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60) {
        return std::nullopt;
    }
    const std::int64_t days = daysFromCivil(year, month, day);
    const std::int64_t unixSeconds = days * 86400 + hour * 3600 + minute * 60 + second;
    return XADate{static_cast<double>(unixSeconds - kUnixSecondsAtReferenceDate) + fraction};
}
