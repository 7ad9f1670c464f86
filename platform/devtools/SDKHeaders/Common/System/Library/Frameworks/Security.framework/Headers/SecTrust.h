/* SecTrust.h: trust evaluation of certificate chains against policies and anchors. */
#ifndef _SECURITY_SECTRUST_H_
#define _SECURITY_SECTRUST_H_

#include <Security/SecBase.h>
#include <dispatch/dispatch.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef CF_ENUM(uint32_t, SecTrustResultType) {
    kSecTrustResultInvalid = 0,
    kSecTrustResultProceed = 1,
    kSecTrustResultConfirm API_DEPRECATED("no longer returned", macos(10.0, 10.9), ios(2.0, 7.0)) = 2,
    kSecTrustResultDeny = 3,
    kSecTrustResultUnspecified = 4,
    kSecTrustResultRecoverableTrustFailure = 5,
    kSecTrustResultFatalTrustFailure = 6,
    kSecTrustResultOtherError = 7
};

typedef struct CF_BRIDGED_TYPE(id) __SecTrust *SecTrustRef;

extern const CFStringRef kSecPropertyTypeTitle API_AVAILABLE(macos(10.7), ios(7.0));
extern const CFStringRef kSecPropertyTypeError API_AVAILABLE(macos(10.7), ios(7.0));
extern const CFStringRef kSecTrustEvaluationDate API_AVAILABLE(macos(10.9), ios(7.0));
extern const CFStringRef kSecTrustExtendedValidation API_AVAILABLE(macos(10.9), ios(7.0));
extern const CFStringRef kSecTrustResultValue API_AVAILABLE(macos(10.9), ios(7.0));

#if defined(__BLOCKS__)
typedef void (^SecTrustCallback)(SecTrustRef trustRef, SecTrustResultType trustResult);
typedef void (^SecTrustWithErrorCallback)(SecTrustRef trustRef, bool result, CFErrorRef _Nullable error);
#endif

CFTypeID SecTrustGetTypeID(void) API_AVAILABLE(macos(10.3), ios(2.0));
OSStatus SecTrustCreateWithCertificates(CFTypeRef certificates, CFTypeRef _Nullable policies,
                                        SecTrustRef *_Nonnull CF_RETURNS_RETAINED trust)
    API_AVAILABLE(macos(10.3), ios(2.0));
OSStatus SecTrustSetPolicies(SecTrustRef trust, CFTypeRef policies) API_AVAILABLE(macos(10.3), ios(6.0));
OSStatus SecTrustCopyPolicies(SecTrustRef trust, CFArrayRef *_Nonnull CF_RETURNS_RETAINED policies)
    API_AVAILABLE(macos(10.3), ios(7.0));
OSStatus SecTrustSetNetworkFetchAllowed(SecTrustRef trust, Boolean allowFetch) API_AVAILABLE(macos(10.9), ios(7.0));
OSStatus SecTrustSetAnchorCertificates(SecTrustRef trust, CFArrayRef _Nullable anchorCertificates)
    API_AVAILABLE(macos(10.3), ios(2.0));
OSStatus SecTrustSetAnchorCertificatesOnly(SecTrustRef trust, Boolean anchorCertificatesOnly)
    API_AVAILABLE(macos(10.6), ios(2.0));
OSStatus SecTrustSetVerifyDate(SecTrustRef trust, CFDateRef verifyDate) API_AVAILABLE(macos(10.3), ios(2.0));
CFAbsoluteTime SecTrustGetVerifyTime(SecTrustRef trust) API_AVAILABLE(macos(10.6), ios(2.0));
OSStatus SecTrustEvaluate(SecTrustRef trust, SecTrustResultType *result)
    API_DEPRECATED("use SecTrustEvaluateWithError", macos(10.3, 10.15), ios(2.0, 13.0), watchos(1.0, 6.0),
                   tvos(2.0, 13.0));
bool SecTrustEvaluateWithError(SecTrustRef trust, CFErrorRef _Nullable *_Nullable CF_RETURNS_RETAINED error)
    API_AVAILABLE(macos(10.14), ios(12.0), tvos(12.0), watchos(5.0));
#if defined(__BLOCKS__)
OSStatus SecTrustEvaluateAsyncWithError(SecTrustRef trust, dispatch_queue_t queue, SecTrustWithErrorCallback result)
    API_AVAILABLE(macos(10.15), ios(13.0), tvos(13.0), watchos(6.0));
#endif
OSStatus SecTrustGetTrustResult(SecTrustRef trust, SecTrustResultType *result) API_AVAILABLE(macos(10.7), ios(7.0));
SecKeyRef _Nullable SecTrustCopyPublicKey(SecTrustRef trust)
    API_DEPRECATED_WITH_REPLACEMENT("SecTrustCopyKey", macos(10.7, 11.0), ios(2.0, 14.0), watchos(1.0, 7.0),
                                    tvos(9.0, 14.0));
SecKeyRef _Nullable SecTrustCopyKey(SecTrustRef trust) API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
CFIndex SecTrustGetCertificateCount(SecTrustRef trust) API_AVAILABLE(macos(10.7), ios(2.0));
SecCertificateRef _Nullable SecTrustGetCertificateAtIndex(SecTrustRef trust, CFIndex ix)
    API_DEPRECATED_WITH_REPLACEMENT("SecTrustCopyCertificateChain", macos(10.7, 12.0), ios(2.0, 15.0),
                                    watchos(1.0, 8.0), tvos(9.0, 15.0));
CFArrayRef _Nullable SecTrustCopyCertificateChain(SecTrustRef trust)
    API_AVAILABLE(macos(12.0), ios(15.0), tvos(15.0), watchos(8.0));
CFDataRef _Nullable SecTrustCopyExceptions(SecTrustRef trust) API_AVAILABLE(macos(10.9), ios(4.0));
bool SecTrustSetExceptions(SecTrustRef trust, CFDataRef _Nullable exceptions) API_AVAILABLE(macos(10.9), ios(4.0));
CFArrayRef _Nullable SecTrustCopyProperties(SecTrustRef trust)
    API_DEPRECATED("use SecTrustEvaluateWithError", macos(10.7, 12.0), ios(2.0, 15.0));
CFDictionaryRef _Nullable SecTrustCopyResult(SecTrustRef trust) API_AVAILABLE(macos(10.9), ios(7.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* _SECURITY_SECTRUST_H_ */
