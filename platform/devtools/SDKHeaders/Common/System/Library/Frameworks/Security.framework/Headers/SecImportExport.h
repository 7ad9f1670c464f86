/*
 * SecImportExport.h: importing identities and certificates from PKCS #12 data; on macOS also exporting and importing
 * keychain items in external formats.
 */
#ifndef _SECURITY_SECIMPORTEXPORT_H_
#define _SECURITY_SECIMPORTEXPORT_H_

#include <Security/SecBase.h>

CF_ASSUME_NONNULL_BEGIN

extern const CFStringRef kSecImportExportPassphrase API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecImportItemLabel API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecImportItemKeyID API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecImportItemTrust API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecImportItemCertChain API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecImportItemIdentity API_AVAILABLE(macos(10.6), ios(2.0));

OSStatus SecPKCS12Import(CFDataRef pkcs12_data, CFDictionaryRef options,
                         CFArrayRef *_Nonnull CF_RETURNS_RETAINED items) API_AVAILABLE(macos(10.6), ios(2.0));

#if TARGET_OS_OSX
typedef CF_ENUM(uint32_t, SecExternalFormat) {
    kSecFormatUnknown = 0,
    kSecFormatOpenSSL,
    kSecFormatSSH,
    kSecFormatBSAFE,
    kSecFormatRawKey,
    kSecFormatWrappedPKCS8,
    kSecFormatWrappedOpenSSL,
    kSecFormatWrappedSSH,
    kSecFormatWrappedLSH,
    kSecFormatX509Cert,
    kSecFormatPEMSequence,
    kSecFormatPKCS7,
    kSecFormatPKCS12,
    kSecFormatNetscapeCertSequence,
    kSecFormatSSHv2
};

typedef CF_ENUM(uint32_t, SecExternalItemType) {
    kSecItemTypeUnknown,
    kSecItemTypePrivateKey,
    kSecItemTypePublicKey,
    kSecItemTypeSessionKey,
    kSecItemTypeCertificate,
    kSecItemTypeAggregate
};

typedef CF_OPTIONS(uint32_t, SecItemImportExportFlags) {
    kSecItemPemArmour = 0x00000001,
};

typedef struct {
    uint32_t version;
    uint32_t flags;
    CFTypeRef _Nullable passphrase;
    CFStringRef _Nullable alertTitle;
    CFStringRef _Nullable alertPrompt;
    SecAccessRef _Nullable accessRef;
    CFArrayRef _Nullable keyUsage;
    CFArrayRef _Nullable keyAttributes;
} SecItemImportExportKeyParameters;

OSStatus SecItemExport(CFTypeRef secItemOrArray, SecExternalFormat outputFormat, SecItemImportExportFlags flags,
                       const SecItemImportExportKeyParameters *_Nullable keyParams,
                       CFDataRef *_Nonnull CF_RETURNS_RETAINED exportedData) API_AVAILABLE(macos(10.7))
    API_UNAVAILABLE(ios, watchos, tvos);
OSStatus SecItemImport(CFDataRef importedData, CFStringRef _Nullable fileNameOrExtension,
                       SecExternalFormat *_Nullable inputFormat, SecExternalItemType *_Nullable itemType,
                       SecItemImportExportFlags flags, const SecItemImportExportKeyParameters *_Nullable keyParams,
                       SecKeychainRef _Nullable importKeychain,
                       CFArrayRef *_Nullable CF_RETURNS_RETAINED outItems) API_AVAILABLE(macos(10.7))
    API_UNAVAILABLE(ios, watchos, tvos);
#endif

CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECIMPORTEXPORT_H_ */
