/*
 * Files.h: the File Manager: file system references (FSRef), catalog information, forks, iterating folders,
 * copying, moving and trashing objects, volumes, and the conversions between references, paths and URLs.
 * Deprecated throughout: use NSFileManager and NSURL.
 */
#ifndef __FILES__
#define __FILES__

#include <CoreFoundation/CoreFoundation.h>
#include <CoreServices/Finder.h>
#include <CoreServices/MacErrors.h>
#include <CoreServices/TextCommon.h>
#include <CoreServices/UTCUtils.h>
#include <MacTypes.h>
#include <sys/types.h>

CF_EXTERN_C_BEGIN

#define FILES_DEPRECATED(replacement) API_DEPRECATED(replacement, macos(10.0, 10.8))

typedef SInt16 FSVolumeRefNum;
typedef int FSIORefNum;
typedef SInt32 DirID;

enum {
    kFSInvalidVolumeRefNum = 0
};

struct FSRef {
    UInt8 hidden[80];
};
typedef struct FSRef FSRef;
typedef FSRef *FSRefPtr;

struct FSSpec {
    UInt8 hidden[70];
};
typedef struct FSSpec FSSpec;
typedef FSSpec *FSSpecPtr;
typedef FSSpecPtr *FSSpecHandle;
typedef FSSpecPtr FSSpecArrayPtr;
typedef const FSSpec *ConstFSSpecPtr;

struct HFSUniStr255 {
    UInt16 length;
    UniChar unicode[255];
};
typedef struct HFSUniStr255 HFSUniStr255;
typedef const HFSUniStr255 *ConstHFSUniStr255Param;

enum {
    fsCurPerm = 0x00,
    fsRdPerm = 0x01,
    fsWrPerm = 0x02,
    fsRdWrPerm = 0x03,
    fsRdWrShPerm = 0x04,
    fsRdDenyPerm = 0x10,
    fsWrDenyPerm = 0x20
};

enum {
    fsAtMark = 0,
    fsFromStart = 1,
    fsFromLEOF = 2,
    fsFromMark = 3
};

typedef UInt32 FSCatalogInfoBitmap;
enum {
    kFSCatInfoNone = 0x00000000,
    kFSCatInfoTextEncoding = 0x00000001,
    kFSCatInfoNodeFlags = 0x00000002,
    kFSCatInfoVolume = 0x00000004,
    kFSCatInfoParentDirID = 0x00000008,
    kFSCatInfoNodeID = 0x00000010,
    kFSCatInfoCreateDate = 0x00000020,
    kFSCatInfoContentMod = 0x00000040,
    kFSCatInfoAttrMod = 0x00000080,
    kFSCatInfoAccessDate = 0x00000100,
    kFSCatInfoBackupDate = 0x00000200,
    kFSCatInfoPermissions = 0x00000400,
    kFSCatInfoFinderInfo = 0x00000800,
    kFSCatInfoFinderXInfo = 0x00001000,
    kFSCatInfoValence = 0x00002000,
    kFSCatInfoDataSizes = 0x00004000,
    kFSCatInfoRsrcSizes = 0x00008000,
    kFSCatInfoSharingFlags = 0x00010000,
    kFSCatInfoUserPrivs = 0x00020000,
    kFSCatInfoUserAccess = 0x00080000,
    kFSCatInfoSetOwnership = 0x00100000,
    kFSCatInfoFSFileSecurityRef = 0x00400000,
    kFSCatInfoAllDates = 0x000003E0,
    kFSCatInfoGettableInfo = 0x0003FFFF,
    kFSCatInfoSettableInfo = 0x00001FE3
};

enum {
    kFSNodeLockedBit = 0,
    kFSNodeLockedMask = 0x0001,
    kFSNodeResOpenBit = 2,
    kFSNodeResOpenMask = 0x0004,
    kFSNodeDataOpenBit = 3,
    kFSNodeDataOpenMask = 0x0008,
    kFSNodeIsDirectoryBit = 4,
    kFSNodeIsDirectoryMask = 0x0010,
    kFSNodeCopyProtectBit = 6,
    kFSNodeCopyProtectMask = 0x0040,
    kFSNodeForkOpenBit = 7,
    kFSNodeForkOpenMask = 0x0080,
    kFSNodeHardLinkBit = 8,
    kFSNodeHardLinkMask = 0x00000100
};

struct FSPermissionInfo {
    UInt32 userID;
    UInt32 groupID;
    UInt8 reserved1;
    UInt8 userAccess;
    UInt16 mode;
    UInt32 reserved2;
};
typedef struct FSPermissionInfo FSPermissionInfo;

struct FSCatalogInfo {
    UInt16 nodeFlags;
    FSVolumeRefNum volume;
    UInt32 parentDirID;
    UInt32 nodeID;
    UInt8 sharingFlags;
    UInt8 userPrivileges;
    UInt8 reserved1;
    UInt8 reserved2;
    UTCDateTime createDate;
    UTCDateTime contentModDate;
    UTCDateTime attributeModDate;
    UTCDateTime accessDate;
    UTCDateTime backupDate;
    UInt32 permissions[4];
    UInt8 finderInfo[16];
    UInt8 extFinderInfo[16];
    UInt64 dataLogicalSize;
    UInt64 dataPhysicalSize;
    UInt64 rsrcLogicalSize;
    UInt64 rsrcPhysicalSize;
    UInt32 valence;
    TextEncoding textEncodingHint;
};
typedef struct FSCatalogInfo FSCatalogInfo;
typedef FSCatalogInfo *FSCatalogInfoPtr;

typedef struct OpaqueFSIterator *FSIterator;
typedef OptionBits FSIteratorFlags;
enum {
    kFSIterateFlat = 0,
    kFSIterateSubtree = 1,
    kFSIterateDelete = 2,
    kFSIterateReserved = (int)0xFFFFFFFC
};

enum {
    kFSPathMakeRefDefaultOptions = 0,
    kFSPathMakeRefDoNotFollowLeafSymlink = 0x01
};

enum {
    kFSFileOperationDefaultOptions = 0,
    kFSFileOperationOverwrite = 0x01,
    kFSFileOperationSkipSourcePermissionErrors = 0x02,
    kFSFileOperationDoNotMoveAcrossVolumes = 0x04,
    kFSFileOperationSkipPreflight = 0x08
};

enum {
    kFSReplaceObjectDefaultOptions = 0,
    kFSReplaceObjectReplaceMetadata = 0x01,
    kFSReplaceObjectSaveOriginalAsABackup = 0x02,
    kFSReplaceObjectPreservePermissionInfo = 0x04,
    kFSReplaceObjectPreserveUniqueness = 0x08,
    kFSReplaceObjectDoNotCheckObjectWriteAccess = 0x10
};

OSStatus FSPathMakeRef(const UInt8 *path, FSRef *ref, Boolean *isDirectory) FILES_DEPRECATED("use NSURL");
OSStatus FSPathMakeRefWithOptions(const UInt8 *path, OptionBits options, FSRef *ref, Boolean *isDirectory)
    FILES_DEPRECATED("use NSURL");
OSStatus FSRefMakePath(const FSRef *ref, UInt8 *path, UInt32 pathBufferSize) FILES_DEPRECATED("use NSURL");
OSErr FSGetCatalogInfo(const FSRef *ref, FSCatalogInfoBitmap whichInfo, FSCatalogInfo *catalogInfo,
                       HFSUniStr255 *outName, FSSpecPtr fsSpec, FSRef *parentRef)
    FILES_DEPRECATED("use NSURL resource values");
OSErr FSSetCatalogInfo(const FSRef *ref, FSCatalogInfoBitmap whichInfo, const FSCatalogInfo *catalogInfo)
    FILES_DEPRECATED("use NSURL resource values");
OSErr FSGetCatalogInfoBulk(FSIterator iterator, ItemCount maximumObjects, ItemCount *actualObjects,
                           Boolean *containerChanged, FSCatalogInfoBitmap whichInfo, FSCatalogInfo *catalogInfos,
                           FSRef *refs, FSSpecPtr specs, HFSUniStr255 *names)
    FILES_DEPRECATED("use NSFileManager");
OSErr FSOpenIterator(const FSRef *container, FSIteratorFlags iteratorFlags, FSIterator *iterator)
    FILES_DEPRECATED("use NSFileManager");
OSErr FSCloseIterator(FSIterator iterator) FILES_DEPRECATED("use NSFileManager");
OSErr FSCompareFSRefs(const FSRef *ref1, const FSRef *ref2) FILES_DEPRECATED("compare NSURL file reference URLs");
OSErr FSMakeFSRefUnicode(const FSRef *parentRef, UniCharCount nameLength, const UniChar *name,
                         TextEncoding textEncodingHint, FSRef *newRef) FILES_DEPRECATED("use NSURL");
OSErr FSCreateFileUnicode(const FSRef *parentRef, UniCharCount nameLength, const UniChar *name,
                          FSCatalogInfoBitmap whichInfo, const FSCatalogInfo *catalogInfo, FSRef *newRef,
                          FSSpecPtr newSpec) FILES_DEPRECATED("use NSFileManager");
OSErr FSCreateDirectoryUnicode(const FSRef *parentRef, UniCharCount nameLength, const UniChar *name,
                               FSCatalogInfoBitmap whichInfo, const FSCatalogInfo *catalogInfo, FSRef *newRef,
                               FSSpecPtr newSpec, UInt32 *newDirID) FILES_DEPRECATED("use NSFileManager");
OSErr FSDeleteObject(const FSRef *ref) FILES_DEPRECATED("use NSFileManager");
OSErr FSMoveObject(const FSRef *ref, const FSRef *destDirectory, FSRef *newRef)
    FILES_DEPRECATED("use NSFileManager");
OSErr FSExchangeObjects(const FSRef *ref, const FSRef *destRef) FILES_DEPRECATED("use NSFileManager");
OSErr FSRenameUnicode(const FSRef *ref, UniCharCount nameLength, const UniChar *name, TextEncoding textEncodingHint,
                      FSRef *newRef) FILES_DEPRECATED("use NSFileManager");
OSErr FSGetDataForkName(HFSUniStr255 *dataForkName) FILES_DEPRECATED("use NSFileHandle");
OSErr FSGetResourceForkName(HFSUniStr255 *resourceForkName) FILES_DEPRECATED("use NSFileHandle");
OSErr FSOpenFork(const FSRef *ref, UniCharCount forkNameLength, const UniChar *forkName, SInt8 permissions,
                 FSIORefNum *forkRefNum) FILES_DEPRECATED("use NSFileHandle");
OSErr FSReadFork(FSIORefNum forkRefNum, UInt16 positionMode, SInt64 positionOffset, ByteCount requestCount,
                 void *buffer, ByteCount *actualCount) FILES_DEPRECATED("use NSFileHandle");
OSErr FSWriteFork(FSIORefNum forkRefNum, UInt16 positionMode, SInt64 positionOffset, ByteCount requestCount,
                  const void *buffer, ByteCount *actualCount) FILES_DEPRECATED("use NSFileHandle");
OSErr FSGetForkSize(FSIORefNum forkRefNum, SInt64 *forkSize) FILES_DEPRECATED("use NSFileHandle");
OSErr FSCloseFork(FSIORefNum forkRefNum) FILES_DEPRECATED("use NSFileHandle");
OSStatus FSCopyObjectSync(const FSRef *source, const FSRef *destDir, CFStringRef destName, FSRef *target,
                          OptionBits options) FILES_DEPRECATED("use NSFileManager");
OSStatus FSMoveObjectSync(const FSRef *source, const FSRef *destDir, CFStringRef destName, FSRef *target,
                          OptionBits options) FILES_DEPRECATED("use NSFileManager");
OSStatus FSMoveObjectToTrashSync(const FSRef *source, FSRef *target, OptionBits options)
    FILES_DEPRECATED("use -[NSFileManager trashItemAtURL:resultingItemURL:error:]");
OSStatus FSPathCopyObjectSync(const char *sourcePath, const char *destDirPath, CFStringRef destName,
                              char **targetPath, OptionBits options) FILES_DEPRECATED("use NSFileManager");
OSStatus FSPathMoveObjectSync(const char *sourcePath, const char *destDirPath, CFStringRef destName,
                              char **targetPath, OptionBits options) FILES_DEPRECATED("use NSFileManager");
OSStatus FSPathMoveObjectToTrashSync(const char *sourcePath, char **targetPath, OptionBits options)
    FILES_DEPRECATED("use -[NSFileManager trashItemAtURL:resultingItemURL:error:]");
OSStatus FSReplaceObject(const FSRef *originalObject, const FSRef *replacementObject, CFStringRef newName,
                         CFStringRef temporaryName, const FSRef *temporaryDirectory, OptionBits flags,
                         FSRef *resultObject) FILES_DEPRECATED("use NSFileManager");
OSStatus FSGetTemporaryDirectoryForReplaceObject(const FSRef *originalObject, FSRef *temporaryDirectory,
                                                 OptionBits flags) FILES_DEPRECATED("use NSFileManager");
CFStringRef FSCreateStringFromHFSUniStr(CFAllocatorRef alloc, const HFSUniStr255 *uniStr)
    FILES_DEPRECATED("use NSString");
OSStatus FSGetHFSUniStrFromString(CFStringRef theString, HFSUniStr255 *uniStr) FILES_DEPRECATED("use NSString");
OSStatus FSCopyURLForVolume(FSVolumeRefNum vRefNum, CFURLRef *url) FILES_DEPRECATED("use NSURL");
OSStatus FSEjectVolumeSync(FSVolumeRefNum vRefNum, OptionBits flags, pid_t *dissenter)
    FILES_DEPRECATED("use -[NSWorkspace unmountAndEjectDeviceAtURL:error:]");
OSStatus FSUnmountVolumeSync(FSVolumeRefNum vRefNum, OptionBits flags, pid_t *dissenter)
    FILES_DEPRECATED("use -[NSWorkspace unmountAndEjectDeviceAtURL:error:]");
OSErr FSDetermineIfRefIsEnclosedByFolder(FSVolumeRefNum volumeRefNum, OSType folderType, const FSRef *inRef,
                                         Boolean *outResult) FILES_DEPRECATED("use NSFileManager");

CF_EXTERN_C_END

#endif /* __FILES__ */
