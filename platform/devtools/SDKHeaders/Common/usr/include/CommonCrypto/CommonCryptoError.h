/* CommonCryptoError.h: the status codes of the CommonCrypto functions. */
#ifndef _CC_COMMON_CRYPTO_ERROR_
#define _CC_COMMON_CRYPTO_ERROR_

#include <stdint.h>

enum {
    kCCSuccess = 0,
    kCCParamError = -4300,
    kCCBufferTooSmall = -4301,
    kCCMemoryFailure = -4302,
    kCCAlignmentError = -4303,
    kCCDecodeError = -4304,
    kCCUnimplemented = -4305,
    kCCOverflow = -4306,
    kCCRNGFailure = -4307,
    kCCUnspecifiedError = -4308,
    kCCCallSequenceError = -4309,
    kCCKeySizeError = -4310,
    kCCInvalidKey = -4311,
};
typedef int32_t CCStatus;
typedef int32_t CCCryptorStatus;

#endif /* _CC_COMMON_CRYPTO_ERROR_ */
