/* SMErrors.h: the error domain and codes of the Service Management calls. */
#ifndef __SMERRORS__
#define __SMERRORS__

#include <CoreFoundation/CoreFoundation.h>

CF_EXTERN_C_BEGIN

extern const CFStringRef kSMErrorDomainIPC API_AVAILABLE(macos(10.6));
extern const CFStringRef kSMErrorDomainFramework API_AVAILABLE(macos(10.6));
extern const CFStringRef kSMErrorDomainLaunchd API_AVAILABLE(macos(10.6));

enum {
    kSMErrorInternalFailure = 2,
    kSMErrorInvalidSignature,
    kSMErrorAuthorizationFailure,
    kSMErrorToolNotValid,
    kSMErrorJobNotFound,
    kSMErrorServiceUnavailable,
    kSMErrorJobPlistNotFound,
    kSMErrorJobMustBeEnabled,
    kSMErrorInvalidPlist,
    kSMErrorLaunchDeniedByUser,
    kSMErrorAlreadyRegistered,
};

CF_EXTERN_C_END

#endif /* __SMERRORS__ */
