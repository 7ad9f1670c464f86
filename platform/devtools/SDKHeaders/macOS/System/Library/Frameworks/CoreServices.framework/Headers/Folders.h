/* Folders.h: the Folder Manager: the standard folders of each domain, found by type (use NSFileManager). */
#ifndef __FOLDERS__
#define __FOLDERS__

#include <CoreServices/Files.h>

CF_EXTERN_C_BEGIN

enum {
    kOnSystemDisk = -32768L,
    kOnAppropriateDisk = -32767,
    kSystemDomain = -32766,
    kLocalDomain = -32765,
    kNetworkDomain = -32764,
    kUserDomain = -32763,
    kClassicDomain = -32762,
    kFolderManagerLastDomain = -32760
};

enum {
    kLastDomainConstant = kUserDomain
};

enum {
    kCreateFolder = true,
    kDontCreateFolder = false
};

enum {
    kSystemFolderType = 'macs',
    kDesktopFolderType = 'desk',
    kSystemDesktopFolderType = 'sdsk',
    kTrashFolderType = 'trsh',
    kSystemTrashFolderType = 'strs',
    kWhereToEmptyTrashFolderType = 'empt',
    kFontsFolderType = 'font',
    kPreferencesFolderType = 'pref',
    kSystemPreferencesFolderType = 'sprf',
    kTemporaryFolderType = 'temp',
    kChewableItemsFolderType = 'flnt',
    kTemporaryItemsInCacheDataFolderType = 'vtmp',
    kApplicationsFolderType = 'apps',
    kVolumeRootFolderType = 'root',
    kDomainTopLevelFolderType = 'dtop',
    kDomainLibraryFolderType = 'dlib',
    kUsersFolderType = 'usrs',
    kCurrentUserFolderType = 'cusr',
    kSharedUserDataFolderType = 'sdat',
    kDocumentsFolderType = 'docs',
    kPictureDocumentsFolderType = 'pdoc',
    kMovieDocumentsFolderType = 'mdoc',
    kApplicationSupportFolderType = 'asup',
    kCachedDataFolderType = 'cach',
    kFrameworksFolderType = 'fram',
    kLogsFolderType = 'logs',
    kDownloadsFolderType = 'down',
    kStartupItemsFolderType = 'strt',
    kLaunchDaemonsFolderType = 'daem',
    kColorSyncProfilesFolderType = 'prof',
    kKeychainFolderType = 'kchn',
    kPublicFolderType = 'pubb',
    kInternetSitesFolderType = 'site',
    kAudioComponentsFolderType = 'acmp',
    kUtilitiesFolderType = 'utis',
    kServicesFolderType = 'svcs'
};

OSErr FSFindFolder(FSVolumeRefNum vRefNum, OSType folderType, Boolean createFolder, FSRef *foundRef)
    API_DEPRECATED("use NSFileManager", macos(10.0, 10.8));
OSErr FSFindFolderExtended(FSVolumeRefNum vRefNum, OSType folderType, Boolean createFolder, UInt32 flags,
                           void *data, FSRef *foundRef) API_DEPRECATED("use NSFileManager", macos(10.0, 10.8));

CF_EXTERN_C_END

#endif /* __FOLDERS__ */
