/* SecItem.h: keychain items: their classes, attributes, search and return keys, and the calls that use them. */
#ifndef _SECURITY_SECITEM_H_
#define _SECURITY_SECITEM_H_

#include <Security/SecBase.h>

CF_ASSUME_NONNULL_BEGIN

/* Item classes */
extern const CFStringRef kSecClass API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecClassGenericPassword API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecClassInternetPassword API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecClassCertificate API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecClassKey API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecClassIdentity API_AVAILABLE(macos(10.6), ios(2.0));

/* Attributes */
extern const CFStringRef kSecAttrAccessible API_AVAILABLE(macos(10.9), ios(4.0));
extern const CFStringRef kSecAttrAccessibleWhenUnlocked API_AVAILABLE(macos(10.9), ios(4.0));
extern const CFStringRef kSecAttrAccessibleAfterFirstUnlock API_AVAILABLE(macos(10.9), ios(4.0));
extern const CFStringRef kSecAttrAccessibleAlways
    API_DEPRECATED("use an accessibility level that provides some user protection", macos(10.9, 10.14),
                   ios(4.0, 12.0));
extern const CFStringRef kSecAttrAccessibleWhenPasscodeSetThisDeviceOnly API_AVAILABLE(macos(10.10), ios(8.0));
extern const CFStringRef kSecAttrAccessibleWhenUnlockedThisDeviceOnly API_AVAILABLE(macos(10.9), ios(4.0));
extern const CFStringRef kSecAttrAccessibleAfterFirstUnlockThisDeviceOnly API_AVAILABLE(macos(10.9), ios(4.0));
extern const CFStringRef kSecAttrAccessControl API_AVAILABLE(macos(10.10), ios(8.0));
extern const CFStringRef kSecAttrAccessGroup API_AVAILABLE(macos(10.7), ios(3.0));
extern const CFStringRef kSecAttrSynchronizable API_AVAILABLE(macos(10.7), ios(7.0));
extern const CFStringRef kSecAttrSynchronizableAny API_AVAILABLE(macos(10.9), ios(7.0));
extern const CFStringRef kSecAttrCreationDate API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrModificationDate API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrDescription API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrComment API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrLabel API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrAccount API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrService API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrGeneric API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrServer API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocol API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrAuthenticationType API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrPort API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrPath API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrSecurityDomain API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrCreator API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrType API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrIsInvisible API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrIsNegative API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrCertificateType API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrCertificateEncoding API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrSubject API_AVAILABLE(macos(10.7), ios(2.0));
extern const CFStringRef kSecAttrIssuer API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrSerialNumber API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrSubjectKeyID API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrPublicKeyHash API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrPersistantReference API_AVAILABLE(macos(10.15), ios(13.0));
extern const CFStringRef kSecAttrPersistentReference API_AVAILABLE(macos(11.0), ios(14.0));
extern const CFStringRef kSecAttrAccessibleAlwaysThisDeviceOnly
    API_DEPRECATED("use an accessibility level that provides some user protection", macos(10.9, 10.14),
                   ios(4.0, 12.0));

/* Values of kSecAttrProtocol */
extern const CFStringRef kSecAttrProtocolFTP API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolFTPAccount API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolHTTP API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolIRC API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolNNTP API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolPOP3 API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolSMTP API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolSOCKS API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolIMAP API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolLDAP API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolAppleTalk API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolAFP API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolTelnet API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolSSH API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolFTPS API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolHTTPS API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolHTTPProxy API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolHTTPSProxy API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolFTPProxy API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolSMB API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolRTSP API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolRTSPProxy API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolDAAP API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolEPPC API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolIPP API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolNNTPS API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolLDAPS API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolTelnetS API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolIMAPS API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolIRCS API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrProtocolPOP3S API_AVAILABLE(macos(10.6), ios(2.0));

/* Values of kSecAttrAuthenticationType */
extern const CFStringRef kSecAttrAuthenticationTypeNTLM API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrAuthenticationTypeMSN API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrAuthenticationTypeDPA API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrAuthenticationTypeRPA API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrAuthenticationTypeHTTPBasic API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrAuthenticationTypeHTTPDigest API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrAuthenticationTypeHTMLForm API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrAuthenticationTypeDefault API_AVAILABLE(macos(10.6), ios(2.0));

/* Keys */
extern const CFStringRef kSecAttrKeyClass API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrKeyClassPublic API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrKeyClassPrivate API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrKeyClassSymmetric API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrApplicationLabel API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrApplicationTag API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrIsPermanent API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrKeyType API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrKeyTypeRSA API_AVAILABLE(macos(10.7), ios(2.0));
extern const CFStringRef kSecAttrKeyTypeEC API_AVAILABLE(macos(10.9), ios(4.0));
extern const CFStringRef kSecAttrKeyTypeECSECPrimeRandom API_AVAILABLE(macos(10.12), ios(10.0));
extern const CFStringRef kSecAttrKeySizeInBits API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrEffectiveKeySize API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrCanEncrypt API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrCanDecrypt API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrCanDerive API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrCanSign API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrCanVerify API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrCanWrap API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrCanUnwrap API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrIsSensitive API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecAttrIsExtractable API_AVAILABLE(macos(10.6), ios(2.0));
#if TARGET_OS_OSX
extern const CFStringRef kSecAttrKeyTypeDSA API_AVAILABLE(macos(10.7)) API_UNAVAILABLE(ios);
extern const CFStringRef kSecAttrKeyTypeAES API_AVAILABLE(macos(10.7)) API_UNAVAILABLE(ios);
extern const CFStringRef kSecAttrKeyTypeDES API_AVAILABLE(macos(10.7)) API_UNAVAILABLE(ios);
extern const CFStringRef kSecAttrKeyType3DES API_AVAILABLE(macos(10.7)) API_UNAVAILABLE(ios);
extern const CFStringRef kSecAttrKeyTypeRC4 API_AVAILABLE(macos(10.7)) API_UNAVAILABLE(ios);
extern const CFStringRef kSecAttrKeyTypeRC2 API_AVAILABLE(macos(10.7)) API_UNAVAILABLE(ios);
extern const CFStringRef kSecAttrKeyTypeCAST API_AVAILABLE(macos(10.7)) API_UNAVAILABLE(ios);
extern const CFStringRef kSecAttrKeyTypeECDSA API_AVAILABLE(macos(10.7)) API_UNAVAILABLE(ios);
#endif
extern const CFStringRef kSecAttrTokenID API_AVAILABLE(macos(10.12), ios(9.0));
extern const CFStringRef kSecAttrTokenIDSecureEnclave API_AVAILABLE(macos(10.12), ios(9.0));

/* Search */
extern const CFStringRef kSecMatchLimit API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchLimitOne API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchLimitAll API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchCaseInsensitive API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchPolicy API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchItemList API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchSearchList API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchIssuers API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchEmailAddressIfPresent API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchSubjectContains API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchTrustedOnly API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchValidOnDate API_AVAILABLE(macos(10.6), ios(2.0));

/* What a search returns, and the values of items */
extern const CFStringRef kSecReturnData API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecReturnAttributes API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecReturnRef API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecReturnPersistentRef API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecValueData API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecValueRef API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecValuePersistentRef API_AVAILABLE(macos(10.6), ios(2.0));

/* Other attributes of calls */
extern const CFStringRef kSecUseDataProtectionKeychain API_AVAILABLE(macos(10.15), ios(13.0));
extern const CFStringRef kSecUseAuthenticationContext API_AVAILABLE(macos(10.11), ios(9.0));
extern const CFStringRef kSecUseOperationPrompt API_AVAILABLE(macos(10.10), ios(8.0));
extern const CFStringRef kSecUseItemList API_DEPRECATED("not needed", macos(10.6, 10.15), ios(2.0, 12.0));
extern const CFStringRef kSecUseKeychain API_AVAILABLE(macos(10.7)) API_UNAVAILABLE(ios);
extern const CFStringRef kSecUseAuthenticationUI API_AVAILABLE(macos(10.11), ios(9.0));
extern const CFStringRef kSecUseAuthenticationUIAllow API_AVAILABLE(macos(10.11), ios(9.0));
extern const CFStringRef kSecUseAuthenticationUIFail API_AVAILABLE(macos(10.11), ios(9.0));
extern const CFStringRef kSecUseAuthenticationUISkip API_AVAILABLE(macos(10.11), ios(9.0));

OSStatus SecItemCopyMatching(CFDictionaryRef query, CFTypeRef *_Nullable CF_RETURNS_RETAINED result)
    API_AVAILABLE(macos(10.6), ios(2.0));
OSStatus SecItemAdd(CFDictionaryRef attributes, CFTypeRef *_Nullable CF_RETURNS_RETAINED result)
    API_AVAILABLE(macos(10.6), ios(2.0));
OSStatus SecItemUpdate(CFDictionaryRef query, CFDictionaryRef attributesToUpdate) API_AVAILABLE(macos(10.6), ios(2.0));
OSStatus SecItemDelete(CFDictionaryRef query) API_AVAILABLE(macos(10.6), ios(2.0));

CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECITEM_H_ */
