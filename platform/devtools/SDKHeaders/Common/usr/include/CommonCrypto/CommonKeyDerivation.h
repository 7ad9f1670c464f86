/* CommonKeyDerivation.h: password-based key derivation (PBKDF2). */
#ifndef _CC_PBKDF_H_
#define _CC_PBKDF_H_

#include <Availability.h>
#include <CommonCrypto/CommonDigest.h>
#include <CommonCrypto/CommonHMAC.h>
#include <stddef.h>
#include <stdint.h>
#include <sys/cdefs.h>

__BEGIN_DECLS

enum {
    kCCPBKDF2 = 2,
};
typedef uint32_t CCPBKDFAlgorithm;

enum {
    kCCPRFHmacAlgSHA1 = 1,
    kCCPRFHmacAlgSHA224 = 2,
    kCCPRFHmacAlgSHA256 = 3,
    kCCPRFHmacAlgSHA384 = 4,
    kCCPRFHmacAlgSHA512 = 5,
};
typedef uint32_t CCPseudoRandomAlgorithm;

int CCKeyDerivationPBKDF(CCPBKDFAlgorithm algorithm, const char *password, size_t passwordLen, const uint8_t *salt,
                         size_t saltLen, CCPseudoRandomAlgorithm prf, unsigned rounds, uint8_t *derivedKey,
                         size_t derivedKeyLen) API_AVAILABLE(macos(10.7), ios(5.0));
unsigned CCCalibratePBKDF(CCPBKDFAlgorithm algorithm, size_t passwordLen, size_t saltLen,
                          CCPseudoRandomAlgorithm prf, size_t derivedKeyLen, uint32_t msec)
    API_AVAILABLE(macos(10.7), ios(5.0));

__END_DECLS

#endif /* _CC_PBKDF_H_ */
