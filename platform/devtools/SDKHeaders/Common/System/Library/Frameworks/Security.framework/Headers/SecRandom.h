/* SecRandom.h: cryptographically secure random bytes. */
#ifndef _SECURITY_SECRANDOM_H_
#define _SECURITY_SECRANDOM_H_

#include <Security/SecBase.h>

CF_ASSUME_NONNULL_BEGIN

typedef const struct __SecRandom *SecRandomRef;
extern const SecRandomRef kSecRandomDefault API_AVAILABLE(macos(10.7), ios(2.0));

int SecRandomCopyBytes(SecRandomRef _Nullable rnd, size_t count, void *bytes) __attribute__((__warn_unused_result__))
    API_AVAILABLE(macos(10.7), ios(2.0));

CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECRANDOM_H_ */
