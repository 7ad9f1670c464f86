/* SecBase.h: the opaque types and result codes of the Security framework. */
#ifndef _SECURITY_SECBASE_H_
#define _SECURITY_SECBASE_H_

#include <Availability.h>
#include <TargetConditionals.h>
#include <CoreFoundation/CoreFoundation.h>

#define SEC_OS_IPHONE TARGET_OS_IPHONE
#define SEC_OS_OSX TARGET_OS_OSX

CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) __SecCertificate *SecCertificateRef;
typedef struct CF_BRIDGED_TYPE(id) __SecIdentity *SecIdentityRef;
typedef struct CF_BRIDGED_TYPE(id) __SecKey *SecKeyRef;
typedef struct CF_BRIDGED_TYPE(id) __SecPolicy *SecPolicyRef;
typedef struct CF_BRIDGED_TYPE(id) __SecAccessControl *SecAccessControlRef;
#if TARGET_OS_OSX
typedef struct CF_BRIDGED_TYPE(id) __SecKeychain *SecKeychainRef;
typedef struct CF_BRIDGED_TYPE(id) __SecKeychainItem *SecKeychainItemRef;
typedef struct CF_BRIDGED_TYPE(id) __SecAccess *SecAccessRef;
#endif

CF_ENUM(OSStatus){
    errSecSuccess = 0,
    errSecUnimplemented = -4,
    errSecIO = -36,
    errSecOpWr = -49,
    errSecParam = -50,
    errSecAllocate = -108,
    errSecUserCanceled = -128,
    errSecBadReq = -909,
    errSecInternalComponent = -2070,
    errSecNotAvailable = -25291,
    errSecReadOnly = -25292,
    errSecAuthFailed = -25293,
    errSecNoSuchKeychain = -25294,
    errSecDuplicateItem = -25299,
    errSecItemNotFound = -25300,
    errSecInteractionNotAllowed = -25308,
    errSecDecode = -26275,
    errSecMissingEntitlement = -34018,
};

CFStringRef _Nullable SecCopyErrorMessageString(OSStatus status, void *_Nullable reserved)
    API_AVAILABLE(macos(10.3), ios(11.3));

CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECBASE_H_ */
