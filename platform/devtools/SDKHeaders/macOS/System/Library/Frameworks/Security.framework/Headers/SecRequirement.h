/* SecRequirement.h: code requirements: made from their text or binary form, and turned back into either. */
#ifndef _H_SECREQUIREMENT
#define _H_SECREQUIREMENT

#include <Security/CSCommon.h>

CF_ASSUME_NONNULL_BEGIN
CF_EXTERN_C_BEGIN

CFTypeID SecRequirementGetTypeID(void) API_AVAILABLE(macos(10.5));
OSStatus SecRequirementCreateWithData(CFDataRef data, SecCSFlags flags,
                                      SecRequirementRef _Nullable *_Nonnull CF_RETURNS_RETAINED requirement)
    API_AVAILABLE(macos(10.5));
OSStatus SecRequirementCreateWithString(CFStringRef text, SecCSFlags flags,
                                        SecRequirementRef _Nullable *_Nonnull CF_RETURNS_RETAINED requirement)
    API_AVAILABLE(macos(10.5));
OSStatus SecRequirementCreateWithStringAndErrors(CFStringRef text, SecCSFlags flags,
                                                 CFErrorRef _Nullable *_Nullable CF_RETURNS_RETAINED errors,
                                                 SecRequirementRef _Nullable *_Nonnull CF_RETURNS_RETAINED requirement)
    API_AVAILABLE(macos(10.5));
OSStatus SecRequirementCopyData(SecRequirementRef requirement, SecCSFlags flags,
                                CFDataRef _Nullable *_Nonnull CF_RETURNS_RETAINED data) API_AVAILABLE(macos(10.5));
OSStatus SecRequirementCopyString(SecRequirementRef requirement, SecCSFlags flags,
                                  CFStringRef _Nullable *_Nonnull CF_RETURNS_RETAINED text) API_AVAILABLE(macos(10.5));

CF_EXTERN_C_END
CF_ASSUME_NONNULL_END

#endif /* _H_SECREQUIREMENT */
