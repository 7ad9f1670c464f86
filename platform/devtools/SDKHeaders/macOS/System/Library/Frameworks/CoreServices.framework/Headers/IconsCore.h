/*
 * IconsCore.h: Icon Services: icon references for files, types and the system's standard icons, and icon families
 * (the contents of .icns files) with their element types.
 */
#ifndef __ICONSCORE__
#define __ICONSCORE__

#include <CoreServices/Files.h>

CF_EXTERN_C_BEGIN

typedef struct OpaqueIconRef *IconRef;
typedef UInt32 IconServicesUsageFlags;
typedef UInt32 IconSelectorValue;

enum {
    kIconServicesNormalUsageFlag = 0x00000000,
    kIconServicesNoBadgeFlag = 0x00000001,
    kIconServicesUpdateIfNeededFlag = 0x00000002
};

enum {
    kSelectorLarge1Bit = 0x00000001,
    kSelectorLarge4Bit = 0x00000002,
    kSelectorLarge8Bit = 0x00000004,
    kSelectorLarge32Bit = 0x00000008,
    kSelectorLarge8BitMask = 0x00000010,
    kSelectorSmall1Bit = 0x00000100,
    kSelectorSmall8BitMask = 0x00001000,
    kSelectorHuge32Bit = 0x00080000,
    kSelectorHuge8BitMask = 0x00100000,
    kSelectorThumbnail32Bit = 0x01000000,
    kSelectorThumbnail8BitMask = 0x02000000,
    kSelectorAllAvailableData = (int)0xFFFFFFFF
};

enum {
    kIconFamilyType = 'icns',
    kHuge1BitMask = 'ich#',
    kHuge8BitData = 'ich8',
    kHuge32BitData = 'ih32',
    kHuge8BitMask = 'h8mk',
    kLarge1BitMask = 'ICN#',
    kLarge4BitData = 'icl4',
    kLarge8BitData = 'icl8',
    kLarge32BitData = 'il32',
    kLarge8BitMask = 'l8mk',
    kSmall1BitMask = 'ics#',
    kSmall4BitData = 'ics4',
    kSmall8BitData = 'ics8',
    kSmall32BitData = 'is32',
    kSmall8BitMask = 's8mk',
    kThumbnail32BitData = 'it32',
    kThumbnail8BitMask = 't8mk',
    kIconServices256PixelDataARGB = 'ic08',
    kIconServices512PixelDataARGB = 'ic09',
    kIconServices1024PixelDataARGB = 'ic10',
    kTileIconVariant = 'tile',
    kRolloverIconVariant = 'over',
    kDropIconVariant = 'drop',
    kOpenIconVariant = 'open',
    kOpenDropIconVariant = 'odrp'
};

enum {
    kSystemIconsCreator = 'macs',
    kGenericDocumentIcon = 'docu',
    kGenericEditionFileIcon = 'edtf',
    kGenericApplicationIcon = 'APPL',
    kGenericFolderIcon = 'fldr',
    kGenericFileServerIcon = 'srvr',
    kGenericHardDiskIcon = 'hdsk',
    kGenericNetworkIcon = 'gnet',
    kGenericRemovableMediaIcon = 'rmov',
    kGenericURLIcon = 'gurl',
    kGenericQuestionMarkIcon = 'ques',
    kGenericStationeryIcon = 'sdoc',
    kGenericWindowIcon = 'gwin',
    kTrashIcon = 'trsh',
    kFullTrashIcon = 'ftrh',
    kDesktopIcon = 'desk',
    kAlertNoteIcon = 'note',
    kAlertCautionIcon = 'caut',
    kAlertStopIcon = 'stop',
    kToolbarFavoritesIcon = 'tfav',
    kToolbarDesktopFolderIcon = 'tdsk',
    kToolbarHomeIcon = 'thom',
    kToolbarApplicationsFolderIcon = 'tAps',
    kToolbarDocumentsFolderIcon = 'tdoc',
    kToolbarDownloadsFolderIcon = 'tdwn',
    kUserFolderIcon = 'ufld',
    kApplicationsFolderIcon = 'apps',
    kPrivateFolderIcon = 'prvf',
    kLockedIcon = 'lock',
    kUnlockedIcon = 'ulck',
    kConnectToIcon = 'cnct',
    kBurningIcon = 'burn',
    kEjectMediaIcon = 'ejec',
    kDeleteAliasIcon = 'dali',
    kForwardArrowIcon = 'fwrd',
    kBackwardArrowIcon = 'bakw',
    kAppleLogoIcon = 'capl',
    kAliasBadgeIcon = 'abdg',
    kGenericPreferencesIcon = 'pref',
    kGenericFontIcon = 'ffil',
    kInternetLocationHTTPIcon = 'ilht',
    kClipboardIcon = 'CLIP',
    kSharedFolderIcon = 'shfl'
};

struct IconFamilyElement {
    OSType elementType;
    SInt32 elementSize;
    unsigned char elementData[1];
};
typedef struct IconFamilyElement IconFamilyElement;

struct IconFamilyResource {
    OSType resourceType;
    SInt32 resourceSize;
    IconFamilyElement elements[1];
};
typedef struct IconFamilyResource IconFamilyResource;
typedef IconFamilyResource *IconFamilyPtr;
typedef IconFamilyPtr *IconFamilyHandle;

OSErr GetIconRef(SInt16 vRefNum, OSType creator, OSType iconType, IconRef *theIconRef);
OSErr GetIconRefFromFolder(SInt16 vRefNum, SInt32 parentFolderID, SInt32 folderID, SInt8 attributes,
                           SInt8 accessPrivileges, IconRef *theIconRef);
OSStatus GetIconRefFromFileInfo(const FSRef *inRef, UniCharCount inFileNameLength, const UniChar *inFileName,
                                FSCatalogInfoBitmap inWhichInfo, const FSCatalogInfo *inCatalogInfo,
                                IconServicesUsageFlags inUsageFlags, IconRef *outIconRef, SInt16 *outLabel);
OSStatus GetIconRefFromTypeInfo(OSType inCreator, OSType inType, CFStringRef inExtension, CFStringRef inMIMEType,
                                IconServicesUsageFlags inUsageFlags, IconRef *outIconRef);
OSStatus GetIconRefFromIconFamilyPtr(const IconFamilyResource *inIconFamilyPtr, Size inSize, IconRef *outIconRef);
OSStatus GetIconRefFromComponent(void *inComponent, IconRef *outIconRef);
OSErr RegisterIconRefFromIconFamily(OSType creator, OSType iconType, IconFamilyHandle iconFamily,
                                    IconRef *theIconRef);
OSStatus RegisterIconRefFromFSRef(OSType creator, OSType iconType, const FSRef *iconFile, IconRef *theIconRef);
OSErr UnregisterIconRef(OSType creator, OSType iconType);
OSErr UpdateIconRef(IconRef theIconRef);
OSErr OverrideIconRef(IconRef oldIconRef, IconRef newIconRef);
OSErr RemoveIconRefOverride(IconRef theIconRef);
OSErr CompositeIconRef(IconRef backgroundIconRef, IconRef foregroundIconRef, IconRef *compositeIconRef);
OSErr IsIconRefComposite(IconRef compositeIconRef, IconRef *backgroundIconRef, IconRef *foregroundIconRef);
Boolean IsValidIconRef(IconRef theIconRef);
Boolean IsDataAvailableInIconRef(OSType inIconKind, IconRef inIconRef);
UInt16 GetIconRefOwners(IconRef theIconRef, UInt16 *owners);
OSErr AcquireIconRef(IconRef theIconRef);
OSErr ReleaseIconRef(IconRef theIconRef);
OSErr FlushIconRefsByVolume(SInt16 vRefNum);
OSStatus ReadIconFromFSRef(const FSRef *ref, IconFamilyHandle *iconFamily);
OSErr IconRefToIconFamily(IconRef theIconRef, IconSelectorValue whichIcons, IconFamilyHandle *iconFamily);
OSErr SetIconFamilyData(IconFamilyHandle iconFamily, OSType iconType, Handle h);
OSErr GetIconFamilyData(IconFamilyHandle iconFamily, OSType iconType, Handle h);

CF_EXTERN_C_END

#endif /* __ICONSCORE__ */
