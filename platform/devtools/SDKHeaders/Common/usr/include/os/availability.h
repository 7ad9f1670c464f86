/*
 * os/availability.h: the availability macros of the system's APIs, given a list of platforms with versions:
 *
 *   API_AVAILABLE(macos(10.12), ios(10.0))
 *   API_DEPRECATED("Use -newMethod instead", macos(10.0, 10.14), ios(2.0, 12.0))
 *   API_DEPRECATED_WITH_REPLACEMENT("newMethod", ios(2.0, 12.0))
 *   API_UNAVAILABLE(tvos, watchos)
 *
 * Each expands to clang's availability attributes (see Availability.h).
 */
#ifndef __OS_AVAILABILITY__
#define __OS_AVAILABILITY__

#include <Availability.h>

#define API_AVAILABLE(...) __API_AVAILABLE(__VA_ARGS__)
#define API_DEPRECATED(...) __API_DEPRECATED(__VA_ARGS__)
#define API_DEPRECATED_WITH_REPLACEMENT(...) __API_DEPRECATED_WITH_REPLACEMENT(__VA_ARGS__)
#define API_UNAVAILABLE(...) __API_UNAVAILABLE(__VA_ARGS__)
#define API_TO_BE_DEPRECATED __API_TO_BE_DEPRECATED
#define API_TO_BE_DEPRECATED_MACOS __API_TO_BE_DEPRECATED_MACOS
#define API_TO_BE_DEPRECATED_IOS __API_TO_BE_DEPRECATED_IOS
#define SPI_AVAILABLE(...) __SPI_AVAILABLE(__VA_ARGS__)
#define SPI_DEPRECATED(...) __SPI_DEPRECATED(__VA_ARGS__)

#endif /* __OS_AVAILABILITY__ */
