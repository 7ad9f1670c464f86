/* CGError.h: the error codes of Core Graphics' display and window-server functions. */
#ifndef CGERROR_H_
#define CGERROR_H_

#include <CoreGraphics/CGBase.h>

typedef CF_ENUM(int32_t, CGError) {
    kCGErrorSuccess = 0,
    kCGErrorFailure = 1000,
    kCGErrorIllegalArgument = 1001,
    kCGErrorInvalidConnection = 1002,
    kCGErrorInvalidContext = 1003,
    kCGErrorCannotComplete = 1004,
    kCGErrorNotImplemented = 1006,
    kCGErrorRangeCheck = 1007,
    kCGErrorTypeCheck = 1008,
    kCGErrorInvalidOperation = 1010,
    kCGErrorNoneAvailable = 1011
};

#endif /* CGERROR_H_ */
