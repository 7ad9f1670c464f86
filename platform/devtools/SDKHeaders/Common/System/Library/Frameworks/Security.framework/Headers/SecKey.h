/* SecKey.h: cryptographic keys: creation, their representations and attributes, signing and encryption. */
#ifndef _SECURITY_SECKEY_H_
#define _SECURITY_SECKEY_H_

#include <Security/SecBase.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef CFStringRef SecKeyAlgorithm CF_STRING_ENUM;

typedef CF_ENUM(CFIndex, SecKeyOperationType) {
    kSecKeyOperationTypeSign = 0,
    kSecKeyOperationTypeVerify = 1,
    kSecKeyOperationTypeEncrypt = 2,
    kSecKeyOperationTypeDecrypt = 3,
    kSecKeyOperationTypeKeyExchange = 4,
} API_AVAILABLE(macos(10.12), ios(10.0));

extern const SecKeyAlgorithm kSecKeyAlgorithmRSASignatureMessagePKCS1v15SHA256 API_AVAILABLE(macos(10.12), ios(10.0));
extern const SecKeyAlgorithm kSecKeyAlgorithmRSASignatureDigestPKCS1v15SHA256 API_AVAILABLE(macos(10.12), ios(10.0));
extern const SecKeyAlgorithm kSecKeyAlgorithmECDSASignatureMessageX962SHA256 API_AVAILABLE(macos(10.12), ios(10.0));
extern const SecKeyAlgorithm kSecKeyAlgorithmECDSASignatureDigestX962SHA256 API_AVAILABLE(macos(10.12), ios(10.0));
extern const SecKeyAlgorithm kSecKeyAlgorithmRSAEncryptionPKCS1 API_AVAILABLE(macos(10.12), ios(10.0));
extern const SecKeyAlgorithm kSecKeyAlgorithmRSAEncryptionOAEPSHA256 API_AVAILABLE(macos(10.12), ios(10.0));
extern const SecKeyAlgorithm kSecKeyAlgorithmECIESEncryptionStandardX963SHA256AESGCM
    API_AVAILABLE(macos(10.12), ios(10.0));
extern const SecKeyAlgorithm kSecKeyAlgorithmECDHKeyExchangeStandard API_AVAILABLE(macos(10.12), ios(10.0));

CFTypeID SecKeyGetTypeID(void) API_AVAILABLE(macos(10.3), ios(2.0));
size_t SecKeyGetBlockSize(SecKeyRef key) API_AVAILABLE(macos(10.6), ios(2.0));
SecKeyRef _Nullable SecKeyCreateRandomKey(CFDictionaryRef parameters, CFErrorRef *error)
    API_AVAILABLE(macos(10.12), ios(10.0));
SecKeyRef _Nullable SecKeyCreateWithData(CFDataRef keyData, CFDictionaryRef attributes, CFErrorRef *error)
    API_AVAILABLE(macos(10.12), ios(10.0));
CFDataRef _Nullable SecKeyCopyExternalRepresentation(SecKeyRef key, CFErrorRef *error)
    API_AVAILABLE(macos(10.12), ios(10.0));
CFDictionaryRef _Nullable SecKeyCopyAttributes(SecKeyRef key) API_AVAILABLE(macos(10.12), ios(10.0));
SecKeyRef _Nullable SecKeyCopyPublicKey(SecKeyRef key) API_AVAILABLE(macos(10.12), ios(10.0));
CFDataRef _Nullable SecKeyCreateSignature(SecKeyRef key, SecKeyAlgorithm algorithm, CFDataRef dataToSign,
                                          CFErrorRef *error) API_AVAILABLE(macos(10.12), ios(10.0));
Boolean SecKeyVerifySignature(SecKeyRef key, SecKeyAlgorithm algorithm, CFDataRef signedData, CFDataRef signature,
                              CFErrorRef *error) API_AVAILABLE(macos(10.12), ios(10.0));
CFDataRef _Nullable SecKeyCreateEncryptedData(SecKeyRef key, SecKeyAlgorithm algorithm, CFDataRef plaintext,
                                              CFErrorRef *error) API_AVAILABLE(macos(10.12), ios(10.0));
CFDataRef _Nullable SecKeyCreateDecryptedData(SecKeyRef key, SecKeyAlgorithm algorithm, CFDataRef ciphertext,
                                              CFErrorRef *error) API_AVAILABLE(macos(10.12), ios(10.0));
Boolean SecKeyIsAlgorithmSupported(SecKeyRef key, SecKeyOperationType operation, SecKeyAlgorithm algorithm)
    API_AVAILABLE(macos(10.12), ios(10.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* _SECURITY_SECKEY_H_ */
