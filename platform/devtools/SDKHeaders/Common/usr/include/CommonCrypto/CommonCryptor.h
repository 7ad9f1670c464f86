/* CommonCryptor.h: symmetric encryption and decryption (AES, DES, 3DES, CAST, RC4, RC2, Blowfish). */
#ifndef _CC_COMMON_CRYPTOR_
#define _CC_COMMON_CRYPTOR_

#include <Availability.h>
#include <CommonCrypto/CommonCryptoError.h>
#include <stddef.h>
#include <stdint.h>
#include <stdbool.h>
#include <sys/cdefs.h>

__BEGIN_DECLS

typedef struct _CCCryptor *CCCryptorRef;

enum {
    kCCEncrypt = 0,
    kCCDecrypt,
};
typedef uint32_t CCOperation;

enum {
    kCCAlgorithmAES128 = 0,
    kCCAlgorithmAES = 0,
    kCCAlgorithmDES,
    kCCAlgorithm3DES,
    kCCAlgorithmCAST,
    kCCAlgorithmRC4,
    kCCAlgorithmRC2,
    kCCAlgorithmBlowfish,
};
typedef uint32_t CCAlgorithm;

enum {
    kCCOptionPKCS7Padding = 0x0001,
    kCCOptionECBMode = 0x0002,
};
typedef uint32_t CCOptions;

enum {
    kCCKeySizeAES128 = 16,
    kCCKeySizeAES192 = 24,
    kCCKeySizeAES256 = 32,
    kCCKeySizeDES = 8,
    kCCKeySize3DES = 24,
    kCCKeySizeMinCAST = 5,
    kCCKeySizeMaxCAST = 16,
    kCCKeySizeMinRC4 = 1,
    kCCKeySizeMaxRC4 = 512,
    kCCKeySizeMinRC2 = 1,
    kCCKeySizeMaxRC2 = 128,
    kCCKeySizeMinBlowfish = 8,
    kCCKeySizeMaxBlowfish = 56,
};

enum {
    kCCBlockSizeAES128 = 16,
    kCCBlockSizeDES = 8,
    kCCBlockSize3DES = 8,
    kCCBlockSizeCAST = 8,
    kCCBlockSizeRC2 = 8,
    kCCBlockSizeBlowfish = 8,
};

enum {
    kCCModeECB = 1,
    kCCModeCBC = 2,
    kCCModeCFB = 3,
    kCCModeCTR = 4,
    kCCModeOFB = 7,
    kCCModeRC4 = 9,
    kCCModeCFB8 = 10,
};
typedef uint32_t CCMode;

enum {
    ccNoPadding = 0,
    ccPKCS7Padding = 1,
};
typedef uint32_t CCPadding;

enum {
    kCCModeOptionCTR_LE = 0x0001,
    kCCModeOptionCTR_BE = 0x0002,
};
typedef uint32_t CCModeOptions;

enum {
    kCCContextSizeAES128 = 404,
    kCCContextSizeDES = 240,
    kCCContextSize3DES = 496,
    kCCContextSizeCAST = 240,
    kCCContextSizeRC4 = 1072,
};

CCCryptorStatus CCCryptorCreate(CCOperation op, CCAlgorithm alg, CCOptions options, const void *key, size_t keyLength,
                                const void *iv, CCCryptorRef *cryptorRef) API_AVAILABLE(macos(10.4), ios(2.0));
CCCryptorStatus CCCryptorRelease(CCCryptorRef cryptorRef) API_AVAILABLE(macos(10.4), ios(2.0));
CCCryptorStatus CCCryptorUpdate(CCCryptorRef cryptorRef, const void *dataIn, size_t dataInLength, void *dataOut,
                                size_t dataOutAvailable, size_t *dataOutMoved) API_AVAILABLE(macos(10.4), ios(2.0));
CCCryptorStatus CCCryptorFinal(CCCryptorRef cryptorRef, void *dataOut, size_t dataOutAvailable, size_t *dataOutMoved)
    API_AVAILABLE(macos(10.4), ios(2.0));
CCCryptorStatus CCCryptorCreateFromData(CCOperation op, CCAlgorithm alg, CCOptions options, const void *key,
                                        size_t keyLength, const void *iv, const void *data, size_t dataLength,
                                        CCCryptorRef *cryptorRef, size_t *dataUsed)
    API_AVAILABLE(macos(10.4), ios(2.0));
CCCryptorStatus CCCryptorCreateWithMode(CCOperation op, CCMode mode, CCAlgorithm alg, CCPadding padding,
                                        const void *iv, const void *key, size_t keyLength, const void *tweak,
                                        size_t tweakLength, int numRounds, CCModeOptions options,
                                        CCCryptorRef *cryptorRef) API_AVAILABLE(macos(10.7), ios(5.0));
CCCryptorStatus CCCryptorReset(CCCryptorRef cryptorRef, const void *iv) API_AVAILABLE(macos(10.4), ios(2.0));
size_t CCCryptorGetOutputLength(CCCryptorRef cryptorRef, size_t inputLength, bool final)
    API_AVAILABLE(macos(10.4), ios(2.0));
CCCryptorStatus CCCrypt(CCOperation op, CCAlgorithm alg, CCOptions options, const void *key, size_t keyLength,
                        const void *iv, const void *dataIn, size_t dataInLength, void *dataOut,
                        size_t dataOutAvailable, size_t *dataOutMoved) API_AVAILABLE(macos(10.4), ios(2.0));

__END_DECLS

#endif /* _CC_COMMON_CRYPTOR_ */
