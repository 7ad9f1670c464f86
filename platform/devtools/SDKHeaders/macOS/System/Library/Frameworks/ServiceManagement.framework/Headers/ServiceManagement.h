/*
 * ServiceManagement.h: launchd jobs of the user and system domains: installing a privileged helper tool (blessing
 * it), submitting, reading and removing jobs, login items of an application's bundle, and their error codes.
 */
#ifndef __SERVICEMANAGEMENT__
#define __SERVICEMANAGEMENT__

#include <Availability.h>
#include <CoreFoundation/CoreFoundation.h>
#include <Security/Authorization.h>
#include <ServiceManagement/SMErrors.h>
#include <ServiceManagement/SMLoginItem.h>

#if __OBJC__
#import <ServiceManagement/SMAppService.h>
#endif

CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

extern const CFStringRef kSMDomainSystemLaunchd API_AVAILABLE(macos(10.6));
extern const CFStringRef kSMDomainUserLaunchd API_AVAILABLE(macos(10.6));

#define kSMRightBlessPrivilegedHelper "com.apple.ServiceManagement.blesshelper"
#define kSMRightModifySystemDaemons "com.apple.ServiceManagement.daemons.modify"

#define SM_JOB_DEPRECATED API_DEPRECATED("use SMAppService", macos(10.6, 10.10))

CFDictionaryRef _Nullable SMJobCopyDictionary(CFStringRef _Nullable domain, CFStringRef jobLabel) SM_JOB_DEPRECATED;
CFArrayRef _Nullable SMCopyAllJobDictionaries(CFStringRef _Nullable domain) SM_JOB_DEPRECATED;
Boolean SMJobSubmit(CFStringRef _Nullable domain, CFDictionaryRef job, AuthorizationRef _Nullable auth,
                    CFErrorRef _Nullable *_Nullable outError) SM_JOB_DEPRECATED;
Boolean SMJobRemove(CFStringRef _Nullable domain, CFStringRef jobLabel, AuthorizationRef _Nullable auth,
                    Boolean wait, CFErrorRef _Nullable *_Nullable outError) SM_JOB_DEPRECATED;
Boolean SMJobBless(CFStringRef _Nullable domain, CFStringRef executableLabel, AuthorizationRef _Nullable auth,
                   CFErrorRef _Nullable *_Nullable outError)
    API_DEPRECATED("use SMAppService", macos(10.6, 13.0));

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END

#endif /* __SERVICEMANAGEMENT__ */
