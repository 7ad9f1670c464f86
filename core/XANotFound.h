#pragma once

#include <cstddef>
#include <limits>

// The value that stands for "no such position" wherever an offset or index may be missing.
inline constexpr std::size_t XANotFound = std::numeric_limits<std::size_t>::max();
