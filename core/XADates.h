#pragma once

// Dates written and read in fixed, machine-oriented formats: ICU date patterns in the POSIX
// English locale and UTC, so that the result never depends on the user's settings.

#include <chrono>
#include <optional>
#include <string>

#include <unicode/smpdtfmt.h>

// The calling thread's formatter for an ICU date pattern (locale en_US_POSIX, time zone UTC, strict
// parsing). ICU formatters must not be shared between threads, so each thread builds its own once
// per pattern and keeps it until the thread ends. Null when ICU cannot build one.
icu::SimpleDateFormat *xa_UTCDateFormatterWithFormat(const std::string &format);

// A time point formatted with the calling thread's formatter for `format`. Empty when the pattern
// is unusable.
std::optional<std::string> xa_stringFromUTCDate(std::chrono::system_clock::time_point date, const std::string &format);

// The time point that the whole of `text` denotes in `format`. Empty when the text does not match
// the pattern completely.
std::optional<std::chrono::system_clock::time_point> xa_UTCDateFromString(const std::string &text,
                                                                          const std::string &format);

// The pattern without its quoted literal parts (from one single quote to the next, quotes
// included): "yyyy-MM-dd'T'HH:mm" gives "yyyy-MM-ddHH:mm". An unterminated quote is kept.
std::string xa_dateFormatWithoutLiteralParts(const std::string &format);
