/*
 * SecCode.h: running code: the code of the calling process or of another (by process identifier, audit token or
 * XPC message), its validity, requirements and signing information.
 */
#ifndef _H_SECCODE
#define _H_SECCODE

#include <Security/CSCommon.h>
#include <xpc/xpc.h>

CF_ASSUME_NONNULL_BEGIN
CF_EXTERN_C_BEGIN

extern const CFStringRef kSecGuestAttributeCanonical;
extern const CFStringRef kSecGuestAttributeHash;
extern const CFStringRef kSecGuestAttributeMachPort;
extern const CFStringRef kSecGuestAttributePid;
extern const CFStringRef kSecGuestAttributeAudit;
extern const CFStringRef kSecGuestAttributeDynamicCode;
extern const CFStringRef kSecGuestAttributeDynamicCodeInfoPlist;
extern const CFStringRef kSecGuestAttributeArchitecture;
extern const CFStringRef kSecGuestAttributeSubarchitecture;

CF_ENUM(uint32_t){
    kSecCSInternalInformation = 1 << 0,
    kSecCSSigningInformation = 1 << 1,
    kSecCSRequirementInformation = 1 << 2,
    kSecCSDynamicInformation = 1 << 3,
    kSecCSContentInformation = 1 << 4,
    kSecCSSkipResourceDirectory = 1 << 5,
    kSecCSCalculateCMSDigest = 1 << 6,
};

extern const CFStringRef kSecCodeInfoCertificates;
extern const CFStringRef kSecCodeInfoChangedFiles;
extern const CFStringRef kSecCodeInfoCMS;
extern const CFStringRef kSecCodeInfoDesignatedRequirement;
extern const CFStringRef kSecCodeInfoEntitlements;
extern const CFStringRef kSecCodeInfoEntitlementsDict;
extern const CFStringRef kSecCodeInfoFlags;
extern const CFStringRef kSecCodeInfoFormat;
extern const CFStringRef kSecCodeInfoDigestAlgorithm;
extern const CFStringRef kSecCodeInfoDigestAlgorithms;
extern const CFStringRef kSecCodeInfoPlatformIdentifier;
extern const CFStringRef kSecCodeInfoIdentifier;
extern const CFStringRef kSecCodeInfoImplicitDesignatedRequirement;
extern const CFStringRef kSecCodeInfoMainExecutable;
extern const CFStringRef kSecCodeInfoPList;
extern const CFStringRef kSecCodeInfoRequirements;
extern const CFStringRef kSecCodeInfoRequirementData;
extern const CFStringRef kSecCodeInfoSource;
extern const CFStringRef kSecCodeInfoStatus;
extern const CFStringRef kSecCodeInfoTeamIdentifier;
extern const CFStringRef kSecCodeInfoTime;
extern const CFStringRef kSecCodeInfoTimestamp;
extern const CFStringRef kSecCodeInfoTrust;
extern const CFStringRef kSecCodeInfoUnique;
extern const CFStringRef kSecCodeInfoCdHashes;
extern const CFStringRef kSecCodeInfoRuntimeVersion;

CFTypeID SecCodeGetTypeID(void) API_AVAILABLE(macos(10.5));
OSStatus SecCodeCopySelf(SecCSFlags flags, SecCodeRef _Nullable *_Nonnull CF_RETURNS_RETAINED self)
    API_AVAILABLE(macos(10.5));
OSStatus SecCodeCopyStaticCode(SecCodeRef code, SecCSFlags flags,
                               SecStaticCodeRef _Nullable *_Nonnull CF_RETURNS_RETAINED staticCode)
    API_AVAILABLE(macos(10.5));
OSStatus SecCodeCopyHost(SecCodeRef guest, SecCSFlags flags, SecCodeRef _Nullable *_Nonnull CF_RETURNS_RETAINED host)
    API_AVAILABLE(macos(10.5));
OSStatus SecCodeCopyGuestWithAttributes(SecCodeRef _Nullable host, CFDictionaryRef _Nullable attributes,
                                        SecCSFlags flags, SecCodeRef _Nullable *_Nonnull CF_RETURNS_RETAINED guest)
    API_AVAILABLE(macos(10.5));
OSStatus SecCodeCreateWithXPCMessage(xpc_object_t message, SecCSFlags flags,
                                     SecCodeRef _Nullable *_Nonnull CF_RETURNS_RETAINED target)
    API_AVAILABLE(macos(11.0));
OSStatus SecCodeCheckValidity(SecCodeRef code, SecCSFlags flags, SecRequirementRef _Nullable requirement)
    API_AVAILABLE(macos(10.5));
OSStatus SecCodeCheckValidityWithErrors(SecCodeRef code, SecCSFlags flags, SecRequirementRef _Nullable requirement,
                                        CFErrorRef _Nullable *_Nullable errors) API_AVAILABLE(macos(10.5));
OSStatus SecCodeCopyPath(SecStaticCodeRef staticCode, SecCSFlags flags,
                         CFURLRef _Nullable *_Nonnull CF_RETURNS_RETAINED path) API_AVAILABLE(macos(10.5));
OSStatus SecCodeCopyDesignatedRequirement(SecStaticCodeRef code, SecCSFlags flags,
                                          SecRequirementRef _Nullable *_Nonnull CF_RETURNS_RETAINED requirement)
    API_AVAILABLE(macos(10.5));
OSStatus SecCodeCopySigningInformation(SecStaticCodeRef code, SecCSFlags flags,
                                       CFDictionaryRef _Nullable *_Nonnull CF_RETURNS_RETAINED information)
    API_AVAILABLE(macos(10.5));
OSStatus SecCodeMapMemory(SecStaticCodeRef code, SecCSFlags flags) API_AVAILABLE(macos(10.12));

CF_EXTERN_C_END
CF_ASSUME_NONNULL_END

#endif /* _H_SECCODE */
