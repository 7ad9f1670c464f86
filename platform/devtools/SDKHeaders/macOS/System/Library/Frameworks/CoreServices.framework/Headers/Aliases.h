/* Aliases.h: alias records, the persistent references to files that survive moves and renames (use bookmarks). */
#ifndef __ALIASES__
#define __ALIASES__

#include <CoreServices/Files.h>

CF_EXTERN_C_BEGIN

#define ALIASES_DEPRECATED API_DEPRECATED("use NSURL bookmark data", macos(10.0, 10.8))

struct AliasRecord {
    UInt8 hidden[6];
};
typedef struct AliasRecord AliasRecord;
typedef AliasRecord *AliasPtr;
typedef AliasPtr *AliasHandle;

typedef UInt32 FSAliasInfoBitmap;
typedef UInt32 FSResolveAliasFlags;
typedef UInt32 FSAliasFlags;

enum {
    kARMMountVol = 0x00000001,
    kARMNoUI = 0x00000002,
    kARMMultVols = 0x00000008,
    kARMSearch = 0x00000100,
    kARMSearchMore = 0x00000200,
    kARMSearchRelFirst = 0x00000400,
    kARMTryFileIDFirst = 0x00000800
};

enum {
    kResolveAliasFileNoUI = 0x00000001,
    kResolveAliasTryFileIDFirst = 0x00000002
};

enum {
    kFSAliasInfoNone = 0x00000000,
    kFSAliasInfoVolumeCreateDate = 0x00000001,
    kFSAliasInfoTargetCreateDate = 0x00000002,
    kFSAliasInfoFinderInfo = 0x00000004,
    kFSAliasInfoIsDirectory = 0x00000008,
    kFSAliasInfoIDs = 0x00000010,
    kFSAliasInfoFSInfo = 0x00000020,
    kFSAliasInfoVolumeFlags = 0x00000040
};

OSErr FSNewAlias(const FSRef *fromFile, const FSRef *target, AliasHandle *inAlias) ALIASES_DEPRECATED;
OSErr FSNewAliasMinimal(const FSRef *target, AliasHandle *inAlias) ALIASES_DEPRECATED;
OSStatus FSNewAliasFromPath(const char *fromFilePath, const char *targetPath, OptionBits flags,
                            AliasHandle *inAlias, Boolean *isDirectory) ALIASES_DEPRECATED;
OSErr FSIsAliasFile(const FSRef *fileRef, Boolean *aliasFileFlag, Boolean *folderFlag) ALIASES_DEPRECATED;
OSErr FSResolveAliasWithMountFlags(const FSRef *fromFile, AliasHandle inAlias, FSRef *target,
                                   Boolean *wasChanged, unsigned long mountFlags) ALIASES_DEPRECATED;
OSErr FSResolveAlias(const FSRef *fromFile, AliasHandle alias, FSRef *target, Boolean *wasChanged)
    ALIASES_DEPRECATED;
OSErr FSResolveAliasFileWithMountFlags(FSRef *theRef, Boolean resolveAliasChains, Boolean *targetIsFolder,
                                       Boolean *wasAliased, unsigned long mountFlags) ALIASES_DEPRECATED;
OSErr FSResolveAliasFile(FSRef *theRef, Boolean resolveAliasChains, Boolean *targetIsFolder, Boolean *wasAliased)
    ALIASES_DEPRECATED;
OSErr FSFollowFinderAlias(FSRef *fromFile, AliasHandle alias, Boolean logon, FSRef *target, Boolean *wasChanged)
    ALIASES_DEPRECATED;
OSErr FSUpdateAlias(const FSRef *fromFile, const FSRef *target, AliasHandle alias, Boolean *wasChanged)
    ALIASES_DEPRECATED;
OSStatus FSCopyAliasInfo(AliasHandle inAlias, HFSUniStr255 *targetName, HFSUniStr255 *volumeName,
                         CFStringRef *pathString, FSAliasInfoBitmap *whichInfo, void *info) ALIASES_DEPRECATED;
OSStatus FSMatchAliasBulk(const FSRef *fromFile, unsigned long rulesMask, AliasHandle inAlias, short *aliasCount,
                          FSRef *aliasList, Boolean *needsUpdate, void *aliasFilter, void *yourDataPtr)
    ALIASES_DEPRECATED;
Size GetAliasSize(AliasHandle alias) ALIASES_DEPRECATED;
UInt32 GetAliasUserType(AliasHandle alias) ALIASES_DEPRECATED;
void SetAliasUserType(AliasHandle alias, OSType userType) ALIASES_DEPRECATED;

CF_EXTERN_C_END

#endif /* __ALIASES__ */
