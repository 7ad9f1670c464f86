#pragma once

#include "core/XAValue.h"

#include <optional>
#include <string>
#include <string_view>

// ISO-8601 text of a date in UTC ("2001-01-01T00:00:00Z"), with up to six digits of a fraction of a second
// when it has one.
std::string XAISO8601StringFromDate(XADate date);

// Reads "YYYY-MM-DDTHH:MM:SS[.fraction]Z" (as property lists write dates); an empty optional for anything else.
std::optional<XADate> XADateFromISO8601String(std::string_view text);
