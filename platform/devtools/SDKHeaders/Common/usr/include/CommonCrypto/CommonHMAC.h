/* CommonHMAC.h: keyed-hash message authentication codes over the digests of CommonDigest. */
#ifndef _CC_COMMON_HMAC_H_
#define _CC_COMMON_HMAC_H_

#include <Availability.h>
#include <CommonCrypto/CommonDigest.h>
#include <stddef.h>
#include <stdint.h>
#include <sys/cdefs.h>

__BEGIN_DECLS

enum {
    kCCHmacAlgSHA1,
    kCCHmacAlgMD5,
    kCCHmacAlgSHA256,
    kCCHmacAlgSHA384,
    kCCHmacAlgSHA512,
    kCCHmacAlgSHA224,
};
typedef uint32_t CCHmacAlgorithm;

#define CC_HMAC_CONTEXT_SIZE 96
typedef struct {
    uint32_t ctx[CC_HMAC_CONTEXT_SIZE];
} CCHmacContext;

void CCHmacInit(CCHmacContext *ctx, CCHmacAlgorithm algorithm, const void *key, size_t keyLength)
    API_AVAILABLE(macos(10.4), ios(2.0));
void CCHmacUpdate(CCHmacContext *ctx, const void *data, size_t dataLength) API_AVAILABLE(macos(10.4), ios(2.0));
void CCHmacFinal(CCHmacContext *ctx, void *macOut) API_AVAILABLE(macos(10.4), ios(2.0));
void CCHmac(CCHmacAlgorithm algorithm, const void *key, size_t keyLength, const void *data, size_t dataLength,
            void *macOut) API_AVAILABLE(macos(10.4), ios(2.0));

__END_DECLS

#endif /* _CC_COMMON_HMAC_H_ */
