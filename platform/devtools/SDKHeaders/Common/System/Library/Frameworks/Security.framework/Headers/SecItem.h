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
extern const CFStringRef kSecAttrTokenID API_AVAILABLE(macos(10.12), ios(9.0));
extern const CFStringRef kSecAttrTokenIDSecureEnclave API_AVAILABLE(macos(10.12), ios(9.0));

/* Search */
extern const CFStringRef kSecMatchLimit API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchLimitOne API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchLimitAll API_AVAILABLE(macos(10.6), ios(2.0));
extern const CFStringRef kSecMatchCaseInsensitive API_AVAILABLE(macos(10.6), ios(2.0));

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

OSStatus SecItemCopyMatching(CFDictionaryRef query, CFTypeRef *_Nullable CF_RETURNS_RETAINED result)
    API_AVAILABLE(macos(10.6), ios(2.0));
OSStatus SecItemAdd(CFDictionaryRef attributes, CFTypeRef *_Nullable CF_RETURNS_RETAINED result)
    API_AVAILABLE(macos(10.6), ios(2.0));
OSStatus SecItemUpdate(CFDictionaryRef query, CFDictionaryRef attributesToUpdate) API_AVAILABLE(macos(10.6), ios(2.0));
OSStatus SecItemDelete(CFDictionaryRef query) API_AVAILABLE(macos(10.6), ios(2.0));

CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECITEM_H_ */
