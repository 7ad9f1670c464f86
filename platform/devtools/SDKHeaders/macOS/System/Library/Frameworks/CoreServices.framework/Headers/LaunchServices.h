/*
 * LaunchServices.h: opening documents and URLs with applications, the default handlers of URL schemes and
 * content types, and the shared file lists (login items, recent items).
 */
#ifndef __LAUNCHSERVICES__
#define __LAUNCHSERVICES__

#include <CoreFoundation/CoreFoundation.h>
#include <CoreServices/AEDataModel.h>
#include <CoreServices/Files.h>
#include <CoreServices/IconsCore.h>

typedef OptionBits LSRolesMask;
enum {
    kLSRolesNone = 0x00000001,
    kLSRolesViewer = 0x00000002,
    kLSRolesEditor = 0x00000004,
    kLSRolesShell = 0x00000008,
    kLSRolesAll = (UInt32)0xFFFFFFFF
};

typedef OptionBits LSLaunchFlags;
enum {
    kLSLaunchDefaults = 0x00000001,
    kLSLaunchAndPrint = 0x00000002,
    kLSLaunchAndDisplayErrors = 0x00000040,
    kLSLaunchDontAddToRecents = 0x00000100,
    kLSLaunchDontSwitch = 0x00000200,
    kLSLaunchAsync = 0x00010000,
    kLSLaunchNewInstance = 0x00080000,
    kLSLaunchAndHide = 0x00100000,
    kLSLaunchAndHideOthers = 0x00200000
};

enum {
    kLSAppInTrashErr = -10660,
    kLSUnknownErr = -10810,
    kLSNotAnApplicationErr = -10811,
    kLSDataUnavailableErr = -10813,
    kLSApplicationNotFoundErr = -10814,
    kLSDataErr = -10817,
    kLSLaunchInProgressErr = -10818,
    kLSServerCommunicationErr = -10822,
    kLSCannotSetInfoErr = -10823,
    kLSNoRegistrationInfoErr = -10824,
    kLSIncompatibleSystemVersionErr = -10825,
    kLSNoLaunchPermissionErr = -10826,
    kLSNoExecutableErr = -10827,
    kLSMultipleSessionsNotSupportedErr = -10829
};

typedef struct LSLaunchURLSpec {
    CFURLRef appURL;
    CFArrayRef itemURLs;
    const AEDesc *passThruParams;
    LSLaunchFlags launchFlags;
    void *asyncRefCon;
} LSLaunchURLSpec;

enum {
    kLSLaunchNoParams = 0x00000800,
    kLSLaunchStartClassic = 0x00020000,
    kLSLaunchInClassic = 0x00040000,
    kLSLaunchInhibitBGOnly = 0x00000080,
    kLSLaunchHasUntrustedContents = 0x00400000
};

enum {
    kLSAttributeNotFoundErr = -10662,
    kLSAttributeNotSettableErr = -10663,
    kLSIncompatibleApplicationVersionErr = -10664
};

enum {
    kLSUnknownType = 0,
    kLSUnknownCreator = 0
};

typedef OptionBits LSRequestedInfo;
enum {
    kLSRequestExtension = 0x00000001,
    kLSRequestTypeCreator = 0x00000002,
    kLSRequestBasicFlagsOnly = 0x00000004,
    kLSRequestAppTypeFlags = 0x00000008,
    kLSRequestAllFlags = 0x00000010,
    kLSRequestIconAndKind = 0x00000020,
    kLSRequestExtensionFlagsOnly = 0x00000040,
    kLSRequestAllInfo = (UInt32)0xFFFFFFFF
};

typedef OptionBits LSItemInfoFlags;
enum {
    kLSItemInfoIsPlainFile = 0x00000001,
    kLSItemInfoIsPackage = 0x00000002,
    kLSItemInfoIsApplication = 0x00000004,
    kLSItemInfoIsContainer = 0x00000008,
    kLSItemInfoIsAliasFile = 0x00000010,
    kLSItemInfoIsSymlink = 0x00000020,
    kLSItemInfoIsInvisible = 0x00000040,
    kLSItemInfoIsNativeApp = 0x00000080,
    kLSItemInfoIsClassicApp = 0x00000100,
    kLSItemInfoAppPrefersNative = 0x00000200,
    kLSItemInfoAppPrefersClassic = 0x00000400,
    kLSItemInfoAppIsScriptable = 0x00000800,
    kLSItemInfoIsVolume = 0x00001000,
    kLSItemInfoExtensionIsHidden = 0x00100000
};

typedef OptionBits LSAcceptanceFlags;
enum {
    kLSAcceptDefault = 0x00000001,
    kLSAcceptAllowLoginUI = 0x00000002
};

struct LSItemInfoRecord {
    LSItemInfoFlags flags;
    OSType filetype;
    OSType creator;
    CFStringRef extension;
};
typedef struct LSItemInfoRecord LSItemInfoRecord;

typedef struct LSLaunchFSRefSpec {
    const FSRef *appRef;
    ItemCount numDocs;
    const FSRef *itemRefs;
    const AEDesc *passThruParams;
    LSLaunchFlags launchFlags;
    void *asyncRefCon;
} LSLaunchFSRefSpec;

typedef struct LSApplicationParameters {
    CFIndex version;
    LSLaunchFlags flags;
    const FSRef *application;
    void *asyncLaunchRefCon;
    CFDictionaryRef environment;
    CFArrayRef argv;
    AppleEvent *initialEvent;
} LSApplicationParameters;

typedef struct OpaqueLSSharedFileListRef *LSSharedFileListRef;
typedef struct OpaqueLSSharedFileListItemRef *LSSharedFileListItemRef;
typedef void (*LSSharedFileListChangedProcPtr)(LSSharedFileListRef inList, void *context);
typedef UInt32 LSSharedFileListResolutionFlags;
enum {
    kLSSharedFileListNoUserInteraction = 1 << 0,
    kLSSharedFileListDoNotMountVolumes = 1 << 1
};

CF_EXTERN_C_BEGIN
extern const CFStringRef kLSItemContentType;
extern const CFStringRef kLSItemFileType;
extern const CFStringRef kLSItemFileCreator;
extern const CFStringRef kLSItemExtension;
extern const CFStringRef kLSItemDisplayName;
extern const CFStringRef kLSItemDisplayKind;
extern const CFStringRef kLSItemRoleHandlerDisplayName;
extern const CFStringRef kLSItemIsInvisible;
extern const CFStringRef kLSItemExtensionIsHidden;
extern const CFStringRef kLSItemQuarantineProperties;
extern const CFStringRef kLSQuarantineAgentNameKey;
extern const CFStringRef kLSQuarantineAgentBundleIdentifierKey;
extern const CFStringRef kLSQuarantineTimeStampKey;
extern const CFStringRef kLSQuarantineTypeKey;
extern const CFStringRef kLSQuarantineTypeWebDownload;
extern const CFStringRef kLSQuarantineTypeOtherDownload;
extern const CFStringRef kLSQuarantineTypeEmailAttachment;
extern const CFStringRef kLSQuarantineTypeInstantMessageAttachment;
extern const CFStringRef kLSQuarantineTypeCalendarEventAttachment;
extern const CFStringRef kLSQuarantineTypeOtherAttachment;
extern const CFStringRef kLSQuarantineOriginURLKey;
extern const CFStringRef kLSQuarantineDataURLKey;
extern const CFStringRef kLSSharedFileListSessionLoginItems;
extern const CFStringRef kLSSharedFileListGlobalLoginItems;
extern const CFStringRef kLSSharedFileListRecentApplicationItems;
extern const CFStringRef kLSSharedFileListRecentDocumentItems;
extern const CFStringRef kLSSharedFileListRecentServerItems;
extern const CFStringRef kLSSharedFileListFavoriteItems;
extern const CFStringRef kLSSharedFileListFavoriteVolumes;
extern const CFStringRef kLSSharedFileListItemHidden;
extern const CFStringRef kLSSharedFileListLoginItemHidden;
extern const LSSharedFileListItemRef kLSSharedFileListItemBeforeFirst;
extern const LSSharedFileListItemRef kLSSharedFileListItemLast;

#define LS_SHARED_FILE_LIST_DEPRECATED API_DEPRECATED("No longer supported", macos(10.5, 10.11))
CFTypeID LSSharedFileListGetTypeID(void) LS_SHARED_FILE_LIST_DEPRECATED;
CFTypeID LSSharedFileListItemGetTypeID(void) LS_SHARED_FILE_LIST_DEPRECATED;
LSSharedFileListRef LSSharedFileListCreate(CFAllocatorRef inAllocator, CFStringRef inListType, CFTypeRef listOptions)
    LS_SHARED_FILE_LIST_DEPRECATED;
CFArrayRef LSSharedFileListCopySnapshot(LSSharedFileListRef inList, UInt32 *outSnapshotSeed)
    LS_SHARED_FILE_LIST_DEPRECATED;
LSSharedFileListItemRef LSSharedFileListInsertItemURL(LSSharedFileListRef inList,
                                                      LSSharedFileListItemRef insertAfterThisItem,
                                                      CFStringRef inDisplayName, void *inIcon, CFURLRef inURL,
                                                      CFDictionaryRef inPropertiesToSet,
                                                      CFArrayRef inPropertiesToClear) LS_SHARED_FILE_LIST_DEPRECATED;
OSStatus LSSharedFileListItemRemove(LSSharedFileListRef inList, LSSharedFileListItemRef inItem)
    LS_SHARED_FILE_LIST_DEPRECATED;
OSStatus LSSharedFileListRemoveAllItems(LSSharedFileListRef inList) LS_SHARED_FILE_LIST_DEPRECATED;
OSStatus LSSharedFileListItemResolve(LSSharedFileListItemRef inItem, LSSharedFileListResolutionFlags inFlags,
                                     CFURLRef *outURL, void *outRef) LS_SHARED_FILE_LIST_DEPRECATED;
CFURLRef LSSharedFileListItemCopyResolvedURL(LSSharedFileListItemRef inItem, LSSharedFileListResolutionFlags inFlags,
                                            CFErrorRef *outError) LS_SHARED_FILE_LIST_DEPRECATED;
CFStringRef LSSharedFileListItemCopyDisplayName(LSSharedFileListItemRef inItem) LS_SHARED_FILE_LIST_DEPRECATED;
CFTypeRef LSSharedFileListItemCopyProperty(LSSharedFileListItemRef inItem, CFStringRef inPropertyName)
    LS_SHARED_FILE_LIST_DEPRECATED;
void LSSharedFileListAddObserver(LSSharedFileListRef inList, CFRunLoopRef inRunloop, CFStringRef inRunloopMode,
                                 LSSharedFileListChangedProcPtr callback, void *context) LS_SHARED_FILE_LIST_DEPRECATED;
void LSSharedFileListRemoveObserver(LSSharedFileListRef inList, CFRunLoopRef inRunloop, CFStringRef inRunloopMode,
                                    LSSharedFileListChangedProcPtr callback, void *context)
    LS_SHARED_FILE_LIST_DEPRECATED;

#define LS_FSREF_DEPRECATED API_DEPRECATED("use the URL-based calls", macos(10.0, 10.10))
OSStatus LSOpenFSRef(const FSRef *inRef, FSRef *outLaunchedRef) LS_FSREF_DEPRECATED;
OSStatus LSOpenFromRefSpec(const LSLaunchFSRefSpec *inLaunchSpec, FSRef *outLaunchedRef) LS_FSREF_DEPRECATED;
OSStatus LSOpenApplication(const LSApplicationParameters *appParams, ProcessSerialNumber *outPSN)
    LS_FSREF_DEPRECATED;
OSStatus LSOpenItemsWithRole(const FSRef *inItems, CFIndex inItemCount, LSRolesMask inRole,
                             const AEKeyDesc *inAEParam, const LSApplicationParameters *inAppParams,
                             ProcessSerialNumber *outPSNs, CFIndex inMaxPSNCount) LS_FSREF_DEPRECATED;
OSStatus LSOpenURLsWithRole(CFArrayRef inURLs, LSRolesMask inRole, const AEKeyDesc *inAEParam,
                            const LSApplicationParameters *inAppParams, ProcessSerialNumber *outPSNs,
                            CFIndex inMaxPSNCount) LS_FSREF_DEPRECATED;
OSStatus LSCopyItemInfoForRef(const FSRef *inItemRef, LSRequestedInfo inWhichInfo, LSItemInfoRecord *outItemInfo)
    LS_FSREF_DEPRECATED;
OSStatus LSCopyItemInfoForURL(CFURLRef inURL, LSRequestedInfo inWhichInfo, LSItemInfoRecord *outItemInfo)
    LS_FSREF_DEPRECATED;
OSStatus LSGetExtensionInfo(UniCharCount inNameLen, const UniChar inNameBuffer[], UniCharCount *outExtStartIndex)
    LS_FSREF_DEPRECATED;
OSStatus LSCopyDisplayNameForRef(const FSRef *inRef, CFStringRef *outDisplayName) LS_FSREF_DEPRECATED;
OSStatus LSCopyDisplayNameForURL(CFURLRef inURL, CFStringRef *outDisplayName) LS_FSREF_DEPRECATED;
OSStatus LSSetExtensionHiddenForRef(const FSRef *inRef, Boolean inHide) LS_FSREF_DEPRECATED;
OSStatus LSSetExtensionHiddenForURL(CFURLRef inURL, Boolean inHide) LS_FSREF_DEPRECATED;
OSStatus LSCopyKindStringForRef(const FSRef *inFSRef, CFStringRef *outKindString) LS_FSREF_DEPRECATED;
OSStatus LSCopyKindStringForURL(CFURLRef inURL, CFStringRef *outKindString) LS_FSREF_DEPRECATED;
OSStatus LSCopyKindStringForTypeInfo(OSType inType, OSType inCreator, CFStringRef inExtension,
                                     CFStringRef *outKindString) LS_FSREF_DEPRECATED;
OSStatus LSCopyKindStringForMIMEType(CFStringRef inMIMEType, CFStringRef *outKindString) LS_FSREF_DEPRECATED;
OSStatus LSGetApplicationForItem(const FSRef *inItemRef, LSRolesMask inRoleMask, FSRef *outAppRef,
                                 CFURLRef *outAppURL) LS_FSREF_DEPRECATED;
OSStatus LSGetApplicationForInfo(OSType inType, OSType inCreator, CFStringRef inExtension, LSRolesMask inRoleMask,
                                 FSRef *outAppRef, CFURLRef *outAppURL) LS_FSREF_DEPRECATED;
OSStatus LSCopyApplicationForMIMEType(CFStringRef inMIMEType, LSRolesMask inRoleMask, CFURLRef *outAppURL)
    LS_FSREF_DEPRECATED;
OSStatus LSGetApplicationForURL(CFURLRef inURL, LSRolesMask inRoleMask, FSRef *outAppRef, CFURLRef *outAppURL)
    LS_FSREF_DEPRECATED;
OSStatus LSFindApplicationForInfo(OSType inCreator, CFStringRef inBundleID, CFStringRef inName, FSRef *outAppRef,
                                  CFURLRef *outAppURL) LS_FSREF_DEPRECATED;
OSStatus LSCanRefAcceptItem(const FSRef *inItemFSRef, const FSRef *inTargetRef, LSRolesMask inRoleMask,
                            LSAcceptanceFlags inFlags, Boolean *outAcceptsItem) LS_FSREF_DEPRECATED;
OSStatus LSCanURLAcceptURL(CFURLRef inItemURL, CFURLRef inTargetURL, LSRolesMask inRoleMask,
                           LSAcceptanceFlags inFlags, Boolean *outAcceptsItem) LS_FSREF_DEPRECATED;
OSStatus LSRegisterFSRef(const FSRef *inRef, Boolean inUpdate) LS_FSREF_DEPRECATED;
OSStatus LSCopyItemAttribute(const FSRef *inItem, LSRolesMask inRoles, CFStringRef inAttributeName,
                             CFTypeRef *outValue) LS_FSREF_DEPRECATED;
OSStatus LSCopyItemAttributes(const FSRef *inItem, LSRolesMask inRoles, CFArrayRef inAttributeNames,
                              CFDictionaryRef *outValues) LS_FSREF_DEPRECATED;
OSStatus LSSetItemAttribute(const FSRef *inItem, LSRolesMask inRoles, CFStringRef inAttributeName,
                            CFTypeRef inValue) LS_FSREF_DEPRECATED;
LSSharedFileListItemRef LSSharedFileListInsertItemFSRef(LSSharedFileListRef inList,
                                                        LSSharedFileListItemRef insertAfterThisItem,
                                                        CFStringRef inDisplayName, IconRef inIcon,
                                                        const FSRef *inFSRef, CFDictionaryRef inPropertiesToSet,
                                                        CFArrayRef inPropertiesToClear) LS_SHARED_FILE_LIST_DEPRECATED;
OSStatus LSOpenCFURLRef(CFURLRef inURL, CFURLRef *outLaunchedURL);
OSStatus LSOpenFromURLSpec(const LSLaunchURLSpec *inLaunchSpec, CFURLRef *outLaunchedURL);
OSStatus LSRegisterURL(CFURLRef inURL, Boolean inUpdate);
CFURLRef LSCopyDefaultApplicationURLForURL(CFURLRef inURL, LSRolesMask inRoleMask, CFErrorRef *outError)
    API_AVAILABLE(macos(10.10));
CFURLRef LSCopyDefaultApplicationURLForContentType(CFStringRef inContentType, LSRolesMask inRoleMask,
                                                   CFErrorRef *outError) API_AVAILABLE(macos(10.10));
CFArrayRef LSCopyApplicationURLsForURL(CFURLRef inURL, LSRolesMask inRoleMask);
CFArrayRef LSCopyApplicationURLsForBundleIdentifier(CFStringRef inBundleIdentifier, CFErrorRef *outError)
    API_AVAILABLE(macos(10.10));
CFStringRef LSCopyDefaultHandlerForURLScheme(CFStringRef inURLScheme);
CFArrayRef LSCopyAllHandlersForURLScheme(CFStringRef inURLScheme);
OSStatus LSSetDefaultHandlerForURLScheme(CFStringRef inURLScheme, CFStringRef inHandlerBundleID);
CFStringRef LSCopyDefaultRoleHandlerForContentType(CFStringRef inContentType, LSRolesMask inRole);
CFArrayRef LSCopyAllRoleHandlersForContentType(CFStringRef inContentType, LSRolesMask inRole);
OSStatus LSSetDefaultRoleHandlerForContentType(CFStringRef inContentType, LSRolesMask inRole,
                                               CFStringRef inHandlerBundleID);
CF_EXTERN_C_END

#endif /* __LAUNCHSERVICES__ */
