/*
 * CSCommon.h: what the code signing calls share: the code, static code and requirement objects, their flags, the
 * states of signed code and the code signing result codes.
 */
#ifndef _H_CSCOMMON
#define _H_CSCOMMON

#include <CoreFoundation/CoreFoundation.h>
#include <Security/SecBase.h>
#include <stdint.h>
#include <sys/types.h>

CF_ASSUME_NONNULL_BEGIN
CF_EXTERN_C_BEGIN

CF_ENUM(OSStatus){
    errSecCSUnimplemented = -67072,
    errSecCSInvalidObjectRef = -67071,
    errSecCSInvalidFlags = -67070,
    errSecCSObjectRequired = -67069,
    errSecCSStaticCodeNotFound = -67068,
    errSecCSUnsupportedGuestAttributes = -67067,
    errSecCSInvalidAttributeValues = -67066,
    errSecCSNoSuchCode = -67065,
    errSecCSMultipleGuests = -67064,
    errSecCSGuestInvalid = -67063,
    errSecCSUnsigned = -67062,
    errSecCSSignatureFailed = -67061,
    errSecCSSignatureNotVerifiable = -67060,
    errSecCSSignatureUnsupported = -67059,
    errSecCSBadDictionaryFormat = -67058,
    errSecCSResourcesNotSealed = -67057,
    errSecCSResourcesNotFound = -67056,
    errSecCSResourcesInvalid = -67055,
    errSecCSBadResource = -67054,
    errSecCSResourceRulesInvalid = -67053,
    errSecCSReqInvalid = -67052,
    errSecCSReqUnsupported = -67051,
    errSecCSReqFailed = -67050,
    errSecCSBadObjectFormat = -67049,
    errSecCSInternalError = -67048,
    errSecCSHostReject = -67047,
    errSecCSNotAHost = -67046,
    errSecCSSignatureInvalid = -67045,
    errSecCSNotSupported = -67037,
    errSecCSStaticCodeChanged = -67034,
    errSecCSDBDenied = -67033,
    errSecCSDBAccess = -67032,
    errSecCSInfoPlistFailed = -67030,
    errSecCSNoMainExecutable = -67029,
    errSecCSBadBundleFormat = -67028,
    errSecCSNoMatches = -67027,
    errSecCSFileHardQuarantined = -67026,
    errSecCSOutdated = -67025,
    errSecCSDbCorrupt = -67024,
    errSecCSResourceDirectoryFailed = -67023,
    errSecCSUnsignedNestedCode = -67022,
    errSecCSBadNestedCode = -67021,
    errSecCSBadCallbackValue = -67020,
    errSecCSHelperFailed = -67019,
    errSecCSVetoed = -67018,
    errSecCSBadLVArch = -67017,
    errSecCSResourceNotSupported = -67016,
    errSecCSRegularFile = -67015,
    errSecCSUnsealedAppRoot = -67014,
    errSecCSWeakResourceRules = -67013,
    errSecCSDSStoreSymlink = -67012,
    errSecCSAmbiguousBundleFormat = -67011,
    errSecCSBadMainExecutable = -67010,
    errSecCSBadFrameworkVersion = -67009,
    errSecCSUnsealedFrameworkRoot = -67008,
    errSecCSWeakResourceEnvelope = -67007,
    errSecCSCancelled = -67006,
    errSecCSInvalidPlatform = -67005,
    errSecCSTooBig = -67004,
    errSecCSInvalidSymlink = -67003,
    errSecCSNotAppLike = -67002,
    errSecCSBadDiskImageFormat = -67001,
    errSecCSUnsupportedDigestAlgorithm = -67000,
    errSecCSInvalidAssociatedFileData = -66999,
    errSecCSInvalidTeamIdentifier = -66998,
    errSecCSBadTeamIdentifier = -66997,
    errSecCSSignatureUntrusted = -66996,
};

extern const CFStringRef kSecCFErrorArchitecture;
extern const CFStringRef kSecCFErrorPattern;
extern const CFStringRef kSecCFErrorResourceSeal;
extern const CFStringRef kSecCFErrorResourceAdded;
extern const CFStringRef kSecCFErrorResourceAltered;
extern const CFStringRef kSecCFErrorResourceMissing;
extern const CFStringRef kSecCFErrorInfoPlist;
extern const CFStringRef kSecCFErrorGuestAttributes;
extern const CFStringRef kSecCFErrorRequirementSyntax;
extern const CFStringRef kSecCFErrorPath;

typedef struct CF_BRIDGED_TYPE(id) __SecCode *SecCodeRef;
typedef struct CF_BRIDGED_TYPE(id) __SecCode const *SecStaticCodeRef;
typedef struct CF_BRIDGED_TYPE(id) __SecRequirement *SecRequirementRef;
typedef u_int32_t SecGuestRef;

CF_ENUM(SecGuestRef){
    kSecNoGuest = 0,
};

typedef CF_OPTIONS(uint32_t, SecCSFlags) {
    kSecCSDefaultFlags = 0,
    kSecCSConsiderExpiration = 1U << 31,
    kSecCSEnforceRevocationChecks = 1 << 30,
    kSecCSNoNetworkAccess = 1 << 29,
    kSecCSReportProgress = 1 << 28,
    kSecCSCheckTrustedAnchors = 1 << 27,
    kSecCSQuickCheck = 1 << 26,
    kSecCSApplyEmbeddedPolicy = 1 << 25,
};

typedef CF_OPTIONS(uint32_t, SecCodeSignatureFlags) {
    kSecCodeSignatureHost = 0x0001,
    kSecCodeSignatureAdhoc = 0x0002,
    kSecCodeSignatureForceHard = 0x0100,
    kSecCodeSignatureForceKill = 0x0200,
    kSecCodeSignatureForceExpiration = 0x0400,
    kSecCodeSignatureRestrict = 0x0800,
    kSecCodeSignatureEnforcement = 0x1000,
    kSecCodeSignatureLibraryValidation = 0x2000,
    kSecCodeSignatureRuntime = 0x10000,
    kSecCodeSignatureLinkerSigned = 0x20000,
};

typedef CF_OPTIONS(uint32_t, SecCodeStatus) {
    kSecCodeStatusValid = 0x00000001,
    kSecCodeStatusHard = 0x00000100,
    kSecCodeStatusKill = 0x00000200,
    kSecCodeStatusDebugged = 0x10000000,
    kSecCodeStatusPlatform = 0x04000000,
};

typedef CF_ENUM(uint32_t, SecRequirementType) {
    kSecHostRequirementType = 1,
    kSecGuestRequirementType = 2,
    kSecDesignatedRequirementType = 3,
    kSecLibraryRequirementType = 4,
    kSecPluginRequirementType = 5,
    kSecInvalidRequirementType,
    kSecRequirementTypeCount = kSecInvalidRequirementType
};

CF_EXTERN_C_END
CF_ASSUME_NONNULL_END

#endif /* _H_CSCOMMON */
