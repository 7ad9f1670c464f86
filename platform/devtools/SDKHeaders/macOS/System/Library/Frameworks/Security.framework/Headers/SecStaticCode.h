/* SecStaticCode.h: code on disk: made from a path, and validated against its signature and a requirement. */
#ifndef _H_SECSTATICCODE
#define _H_SECSTATICCODE

#include <Security/CSCommon.h>

CF_ASSUME_NONNULL_BEGIN
CF_EXTERN_C_BEGIN

extern const CFStringRef kSecCodeAttributeArchitecture;
extern const CFStringRef kSecCodeAttributeSubarchitecture;
extern const CFStringRef kSecCodeAttributeUniversalFileOffset;
extern const CFStringRef kSecCodeAttributeBundleVersion;

CF_ENUM(uint32_t){
    kSecCSCheckAllArchitectures = 1 << 0,
    kSecCSDoNotValidateExecutable = 1 << 1,
    kSecCSDoNotValidateResources = 1 << 2,
    kSecCSBasicValidateOnly = kSecCSDoNotValidateExecutable | kSecCSDoNotValidateResources,
    kSecCSCheckNestedCode = 1 << 3,
    kSecCSStrictValidate = 1 << 4,
    kSecCSFullReport = 1 << 5,
    kSecCSCheckGatekeeperArchitectures = (1 << 6) | kSecCSCheckAllArchitectures,
    kSecCSRestrictSymlinks = 1 << 7,
    kSecCSRestrictToAppLike = 1 << 8,
    kSecCSRestrictSidebandData = 1 << 9,
    kSecCSUseSoftwareSigningCert = 1 << 10,
    kSecCSValidatePEH = 1 << 11,
    kSecCSSingleThreaded = 1 << 12,
    kSecCSAllowNetworkAccess = 1 << 16,
};

CFTypeID SecStaticCodeGetTypeID(void) API_AVAILABLE(macos(10.5));
OSStatus SecStaticCodeCreateWithPath(CFURLRef path, SecCSFlags flags,
                                     SecStaticCodeRef _Nullable *_Nonnull CF_RETURNS_RETAINED staticCode)
    API_AVAILABLE(macos(10.5));
OSStatus SecStaticCodeCreateWithPathAndAttributes(CFURLRef path, SecCSFlags flags, CFDictionaryRef attributes,
                                                  SecStaticCodeRef _Nullable *_Nonnull CF_RETURNS_RETAINED staticCode)
    API_AVAILABLE(macos(10.6));
OSStatus SecStaticCodeCheckValidity(SecStaticCodeRef staticCode, SecCSFlags flags,
                                    SecRequirementRef _Nullable requirement) API_AVAILABLE(macos(10.6));
OSStatus SecStaticCodeCheckValidityWithErrors(SecStaticCodeRef staticCode, SecCSFlags flags,
                                              SecRequirementRef _Nullable requirement,
                                              CFErrorRef _Nullable *_Nullable errors) API_AVAILABLE(macos(10.6));

CF_EXTERN_C_END
CF_ASSUME_NONNULL_END

#endif /* _H_SECSTATICCODE */
