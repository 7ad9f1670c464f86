/* SecPolicy.h: the policies a trust evaluation checks certificates against: basic X.509, SSL, revocation. */
#ifndef _SECURITY_SECPOLICY_H_
#define _SECURITY_SECPOLICY_H_

#include <Security/SecBase.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

extern const CFStringRef kSecPolicyAppleX509Basic API_AVAILABLE(macos(10.9), ios(7.0));
extern const CFStringRef kSecPolicyAppleSSL API_AVAILABLE(macos(10.9), ios(7.0));
extern const CFStringRef kSecPolicyAppleRevocation API_AVAILABLE(macos(10.9), ios(7.0));
extern const CFStringRef kSecPolicyOid API_AVAILABLE(macos(10.7), ios(7.0));
extern const CFStringRef kSecPolicyName API_AVAILABLE(macos(10.7), ios(7.0));
extern const CFStringRef kSecPolicyClient API_AVAILABLE(macos(10.7), ios(7.0));

CF_ENUM(CFOptionFlags){
    kSecRevocationOCSPMethod = (1 << 0),
    kSecRevocationCRLMethod = (1 << 1),
    kSecRevocationPreferCRL = (1 << 2),
    kSecRevocationRequirePositiveResponse = (1 << 3),
    kSecRevocationNetworkAccessDisabled = (1 << 4),
    kSecRevocationUseAnyAvailableMethod = (kSecRevocationOCSPMethod | kSecRevocationCRLMethod)
};

CFTypeID SecPolicyGetTypeID(void) API_AVAILABLE(macos(10.3), ios(2.0));
CFDictionaryRef _Nullable SecPolicyCopyProperties(SecPolicyRef policyRef) API_AVAILABLE(macos(10.7), ios(7.0));
SecPolicyRef SecPolicyCreateBasicX509(void) API_AVAILABLE(macos(10.6), ios(2.0));
SecPolicyRef SecPolicyCreateSSL(Boolean server, CFStringRef _Nullable hostname) API_AVAILABLE(macos(10.6), ios(2.0));
SecPolicyRef _Nullable SecPolicyCreateRevocation(CFOptionFlags revocationFlags) API_AVAILABLE(macos(10.9), ios(7.0));
SecPolicyRef _Nullable SecPolicyCreateWithProperties(CFTypeRef policyIdentifier, CFDictionaryRef _Nullable properties)
    API_AVAILABLE(macos(10.9), ios(7.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* _SECURITY_SECPOLICY_H_ */
