/* SecKeychainSearch.h: the older search of keychain items by class and attributes. */
#ifndef _SECURITY_SECKEYCHAINSEARCH_H_
#define _SECURITY_SECKEYCHAINSEARCH_H_

#include <Security/SecKeychainItem.h>

CF_ASSUME_NONNULL_BEGIN
CF_EXTERN_C_BEGIN

CFTypeID SecKeychainSearchGetTypeID(void) API_DEPRECATED("use the SecItem calls", macos(10.0, 10.7));
OSStatus SecKeychainSearchCreateFromAttributes(CFTypeRef _Nullable keychainOrArray, SecItemClass itemClass,
                                               const SecKeychainAttributeList *_Nullable attrList,
                                               SecKeychainSearchRef _Nullable *_Nonnull CF_RETURNS_RETAINED searchRef)
    API_DEPRECATED("use SecItemCopyMatching", macos(10.0, 10.7));
OSStatus SecKeychainSearchCopyNext(SecKeychainSearchRef searchRef,
                                   SecKeychainItemRef _Nullable *_Nonnull CF_RETURNS_RETAINED itemRef)
    API_DEPRECATED("use SecItemCopyMatching", macos(10.0, 10.7));

CF_EXTERN_C_END
CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECKEYCHAINSEARCH_H_ */
