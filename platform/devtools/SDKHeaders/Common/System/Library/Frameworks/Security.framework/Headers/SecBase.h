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
typedef struct CF_BRIDGED_TYPE(id) __SecKeychainSearch *SecKeychainSearchRef;
typedef struct CF_BRIDGED_TYPE(id) __SecTrustedApplication *SecTrustedApplicationRef;
typedef struct CF_BRIDGED_TYPE(id) __SecACL *SecACLRef;
typedef struct CF_BRIDGED_TYPE(id) __SecPassword *SecPasswordRef;

/* The attributes of keychain items, as the older keychain calls read and write them. */
typedef OSType SecKeychainAttrType;
struct SecKeychainAttribute {
    SecKeychainAttrType tag;
    UInt32 length;
    void *_Nullable data;
};
typedef struct SecKeychainAttribute SecKeychainAttribute;
typedef SecKeychainAttribute *SecKeychainAttributePtr;
struct SecKeychainAttributeList {
    UInt32 count;
    SecKeychainAttribute *_Nullable attr;
};
typedef struct SecKeychainAttributeList SecKeychainAttributeList;
typedef UInt32 SecKeychainStatus;
struct SecKeychainAttributeInfo {
    UInt32 count;
    UInt32 *tag;
    UInt32 *_Nullable format;
};
typedef struct SecKeychainAttributeInfo SecKeychainAttributeInfo;
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
    errSecWrPerm = -61,
    errSecReadOnly = -25292,
    errSecAuthFailed = -25293,
    errSecNoSuchKeychain = -25294,
    errSecInvalidKeychain = -25295,
    errSecDuplicateKeychain = -25296,
    errSecDuplicateCallback = -25297,
    errSecInvalidCallback = -25298,
    errSecDuplicateItem = -25299,
    errSecItemNotFound = -25300,
    errSecBufferTooSmall = -25301,
    errSecDataTooLarge = -25302,
    errSecNoSuchAttr = -25303,
    errSecInvalidItemRef = -25304,
    errSecInvalidSearchRef = -25305,
    errSecNoSuchClass = -25306,
    errSecNoDefaultKeychain = -25307,
    errSecInteractionNotAllowed = -25308,
    errSecReadOnlyAttr = -25309,
    errSecWrongSecVersion = -25310,
    errSecKeySizeNotAllowed = -25311,
    errSecNoStorageModule = -25312,
    errSecNoCertificateModule = -25313,
    errSecNoPolicyModule = -25314,
    errSecInteractionRequired = -25315,
    errSecDataNotAvailable = -25316,
    errSecDataNotModifiable = -25317,
    errSecCreateChainFailed = -25318,
    errSecInvalidPrefsDomain = -25319,
    errSecInDarkWake = -25320,
    errSecACLNotSimple = -25240,
    errSecPolicyNotFound = -25241,
    errSecInvalidTrustSetting = -25242,
    errSecNoAccessForItem = -25243,
    errSecInvalidOwnerEdit = -25244,
    errSecTrustNotAvailable = -25245,
    errSecUnsupportedFormat = -25256,
    errSecUnknownFormat = -25257,
    errSecKeyIsSensitive = -25258,
    errSecMultiplePrivKeys = -25259,
    errSecPassphraseRequired = -25260,
    errSecInvalidPasswordRef = -25261,
    errSecInvalidTrustSettings = -25262,
    errSecNoTrustSettings = -25263,
    errSecPkcs12VerifyFailure = -25264,
    errSecNotSigner = -26267,
    errSecServiceNotAvailable = -67585,
    errSecInsufficientClientID = -67586,
    errSecDeviceReset = -67587,
    errSecDeviceFailed = -67588,
    errSecInvalidData = -67673,
    errSecInvalidKeyRef = -67712,
    errSecCertificateExpired = -67818,
    errSecCertificateNotValidYet = -67819,
    errSecVerifyFailed = -67808,
    errSecDecode = -26275,
    errSecMissingEntitlement = -34018,
};

CFStringRef _Nullable SecCopyErrorMessageString(OSStatus status, void *_Nullable reserved)
    API_AVAILABLE(macos(10.3), ios(11.3));

CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECBASE_H_ */
