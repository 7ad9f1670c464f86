/* SecAccess.h: the access objects of keychain items: which applications may use an item, under which rules. */
#ifndef _SECURITY_SECACCESS_H_
#define _SECURITY_SECACCESS_H_

#include <Security/SecBase.h>

CF_ASSUME_NONNULL_BEGIN
CF_EXTERN_C_BEGIN

CFTypeID SecAccessGetTypeID(void) API_AVAILABLE(macos(10.0));
OSStatus SecAccessCreate(CFStringRef descriptor, CFArrayRef _Nullable trustedlist,
                         SecAccessRef _Nullable *_Nonnull CF_RETURNS_RETAINED accessRef)
    API_DEPRECATED("use kSecAttrAccessible", macos(10.0, 10.10));
OSStatus SecAccessCopyACLList(SecAccessRef accessRef, CFArrayRef _Nullable *_Nonnull CF_RETURNS_RETAINED aclList)
    API_DEPRECATED("use kSecAttrAccessible", macos(10.0, 10.10));
CFArrayRef _Nullable SecAccessCopyMatchingACLList(SecAccessRef accessRef, CFTypeRef authorizationTag)
    API_DEPRECATED("use kSecAttrAccessible", macos(10.7, 10.10));

CF_EXTERN_C_END
CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECACCESS_H_ */
