/*
 * LaunchServices.h: opening documents and URLs with applications, the default handlers of URL schemes and
 * content types, and the shared file lists (login items, recent items).
 */
#ifndef __LAUNCHSERVICES__
#define __LAUNCHSERVICES__

#include <CoreFoundation/CoreFoundation.h>
#include <CoreServices/AEDataModel.h>

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

typedef struct OpaqueLSSharedFileListRef *LSSharedFileListRef;
typedef struct OpaqueLSSharedFileListItemRef *LSSharedFileListItemRef;
typedef void (*LSSharedFileListChangedProcPtr)(LSSharedFileListRef inList, void *context);
typedef UInt32 LSSharedFileListResolutionFlags;
enum {
    kLSSharedFileListNoUserInteraction = 1 << 0,
    kLSSharedFileListDoNotMountVolumes = 1 << 1
};

CF_EXTERN_C_BEGIN
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
