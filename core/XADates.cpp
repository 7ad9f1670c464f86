#include "core/XADates.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include <unicode/timezone.h>

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

} // namespace

icu::SimpleDateFormat *xa_UTCDateFormatterWithFormat(const std::string &format) {
    thread_local std::map<std::string, std::unique_ptr<icu::SimpleDateFormat>, std::less<>> formatters;
    if (auto found = formatters.find(format); found != formatters.end()) {
        return found->second.get();
    }
    UErrorCode status = U_ZERO_ERROR;
    auto formatter = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString::fromUTF8(format),
                                                             icu::Locale("en_US_POSIX"), status);
    if (U_FAILURE(status)) {
        return nullptr;
    }
    formatter->adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString(u"UTC")));
    formatter->setLenient(false);
    return formatters.emplace(format, std::move(formatter)).first->second.get();
}

std::optional<std::string> xa_stringFromUTCDate(std::chrono::system_clock::time_point date, const std::string &format) {
    icu::SimpleDateFormat *formatter = xa_UTCDateFormatterWithFormat(format);
    if (!formatter) {
        return std::nullopt;
    }
    const UDate milliseconds = std::chrono::duration_cast<Milliseconds>(date.time_since_epoch()).count();
    icu::UnicodeString formatted;
    icu::FieldPosition position;
    UErrorCode status = U_ZERO_ERROR;
    formatter->format(milliseconds, formatted, position, status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    std::string result;
    formatted.toUTF8String(result);
    return result;
}

std::optional<std::chrono::system_clock::time_point> xa_UTCDateFromString(const std::string &text,
                                                                          const std::string &format) {
    icu::SimpleDateFormat *formatter = xa_UTCDateFormatterWithFormat(format);
    if (!formatter) {
        return std::nullopt;
    }
    const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(text);
    icu::ParsePosition position(0);
    const UDate milliseconds = formatter->parse(unicode, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != unicode.length()) {
        return std::nullopt;
    }
    // Years far from now do not fit in the clock's nanoseconds.
    constexpr double kLimit =
        std::chrono::duration_cast<Milliseconds>(std::chrono::system_clock::duration::max()).count() / 2;
    if (!(std::abs(milliseconds) < kLimit)) {
        return std::nullopt;
    }
    // Whole milliseconds first: a double cannot hold nanoseconds since 1970 exactly.
    const std::chrono::milliseconds whole(std::llround(milliseconds));
    return std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(whole));
}

std::string xa_dateFormatWithoutLiteralParts(const std::string &format) {
    std::string result;
    std::size_t position = 0;
    while (position < format.size()) {
        const std::size_t open = format.find('\'', position);
        const std::size_t close = open == std::string::npos ? open : format.find('\'', open + 1);
        if (close == std::string::npos) {
            break;
        }
        result.append(format, position, open - position);
        position = close + 1;
    }
    result.append(format, std::min(position, format.size()));
    return result;
}
