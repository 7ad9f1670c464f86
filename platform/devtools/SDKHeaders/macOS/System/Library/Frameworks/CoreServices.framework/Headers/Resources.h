/* Resources.h: the Resource Manager: resource files and forks, and reading, adding and removing resources. */
#ifndef __RESOURCES__
#define __RESOURCES__

#include <CoreServices/Files.h>

CF_EXTERN_C_BEGIN

#define RESOURCES_DEPRECATED API_DEPRECATED("use bundle resources", macos(10.0, 10.8))

typedef FSIORefNum ResFileRefNum;
typedef SInt16 ResourceCount;
typedef SInt16 ResourceIndex;
typedef SInt16 ResFileAttributes;
typedef SInt16 ResourceAttributes;

enum {
    kResFileNotOpened = -1,
    kSystemResFile = 0
};

enum {
    resSysHeap = 64,
    resPurgeable = 32,
    resLocked = 16,
    resProtected = 8,
    resPreload = 4,
    resChanged = 2,
    mapReadOnly = 128,
    mapCompact = 64,
    mapChanged = 32
};

void CloseResFile(ResFileRefNum refNum);
OSErr ResError(void);
ResFileRefNum CurResFile(void);
ResFileRefNum HomeResFile(Handle theResource);
void UseResFile(ResFileRefNum refNum);
ResourceCount CountTypes(void);
ResourceCount Count1Types(void);
void GetIndType(ResType *theType, ResourceIndex itemIndex);
void Get1IndType(ResType *theType, ResourceIndex itemIndex);
void SetResLoad(Boolean load);
ResourceCount CountResources(ResType theType);
ResourceCount Count1Resources(ResType theType);
Handle GetIndResource(ResType theType, ResourceIndex itemIndex);
Handle Get1IndResource(ResType theType, ResourceIndex itemIndex);
Handle GetResource(ResType theType, ResID theID);
Handle Get1Resource(ResType theType, ResID theID);
Handle GetNamedResource(ResType theType, ConstStr255Param name);
Handle Get1NamedResource(ResType theType, ConstStr255Param name);
void LoadResource(Handle theResource);
void ReleaseResource(Handle theResource);
void DetachResource(Handle theResource);
ResID UniqueID(ResType theType);
ResID Unique1ID(ResType theType);
ResourceAttributes GetResAttrs(Handle theResource);
void GetResInfo(Handle theResource, ResID *theID, ResType *theType, Str255 name);
void SetResInfo(Handle theResource, ResID theID, ConstStr255Param name);
void AddResource(Handle theData, ResType theType, ResID theID, ConstStr255Param name);
long GetResourceSizeOnDisk(Handle theResource);
long GetMaxResourceSize(Handle theResource);
void SetResAttrs(Handle theResource, ResourceAttributes attrs);
void ChangedResource(Handle theResource);
void RemoveResource(Handle theResource);
void UpdateResFile(ResFileRefNum refNum);
void WriteResource(Handle theResource);
void SetResPurge(Boolean install);
ResFileAttributes GetResFileAttrs(ResFileRefNum refNum);
void SetResFileAttrs(ResFileRefNum refNum, ResFileAttributes attrs);
ResFileRefNum FSOpenResFile(const FSRef *ref, SInt8 permission) RESOURCES_DEPRECATED;
void FSCreateResFile(const FSRef *parentRef, UniCharCount nameLength, const UniChar *name,
                     FSCatalogInfoBitmap whichInfo, const FSCatalogInfo *catalogInfo, FSRef *newRef,
                     FSSpecPtr newSpec) RESOURCES_DEPRECATED;
OSErr FSCreateResourceFile(const FSRef *parentRef, UniCharCount nameLength, const UniChar *name,
                           FSCatalogInfoBitmap whichInfo, const FSCatalogInfo *catalogInfo,
                           UniCharCount forkNameLength, const UniChar *forkName, FSRef *newRef, FSSpecPtr newSpec)
    RESOURCES_DEPRECATED;
OSErr FSCreateResourceFork(const FSRef *ref, UniCharCount forkNameLength, const UniChar *forkName, UInt32 flags)
    RESOURCES_DEPRECATED;
OSErr FSOpenResourceFile(const FSRef *ref, UniCharCount forkNameLength, const UniChar *forkName, SInt8 permissions,
                         ResFileRefNum *refNum) RESOURCES_DEPRECATED;

CF_EXTERN_C_END

#endif /* __RESOURCES__ */
