/* CommonRandom.h: cryptographically secure random bytes. */
#ifndef __COMMON_RANDOM__
#define __COMMON_RANDOM__

#include <Availability.h>
#include <CommonCrypto/CommonCryptoError.h>
#include <stddef.h>
#include <sys/cdefs.h>

__BEGIN_DECLS

typedef CCCryptorStatus CCRNGStatus;
CCRNGStatus CCRandomGenerateBytes(void *bytes, size_t count) API_AVAILABLE(macos(10.10), ios(8.0));

__END_DECLS

#endif /* __COMMON_RANDOM__ */
