/* Finder.h: the Finder information of files and folders: types, creators, flags and locations. */
#ifndef __FINDER__
#define __FINDER__

#include <MacTypes.h>

enum {
    kCustomIconResource = -16455
};

enum {
    kIsOnDesk = 0x0001,
    kColor = 0x000E,
    kIsShared = 0x0040,
    kHasNoINITs = 0x0080,
    kHasBeenInited = 0x0100,
    kHasCustomIcon = 0x0400,
    kIsStationery = 0x0800,
    kNameLocked = 0x1000,
    kHasBundle = 0x2000,
    kIsInvisible = 0x4000,
    kIsAlias = 0x8000
};

enum {
    kExtendedFlagsAreInvalid = 0x8000,
    kExtendedFlagHasCustomBadge = 0x0100,
    kExtendedFlagObjectIsBusy = 0x0080,
    kExtendedFlagHasRoutingInfo = 0x0004
};

enum {
    kFirstMagicBusyFiletype = 'bzy ',
    kLastMagicBusyFiletype = 'bzy?',
    kMagicBusyCreationDate = 0x4F3AFDB0
};

struct Point {
    short v;
    short h;
};
typedef struct Point Point;
typedef Point *PointPtr;

struct Rect {
    short top;
    short left;
    short bottom;
    short right;
};
typedef struct Rect Rect;
typedef Rect *RectPtr;

struct FileInfo {
    OSType fileType;
    OSType fileCreator;
    UInt16 finderFlags;
    Point location;
    UInt16 reservedField;
};
typedef struct FileInfo FileInfo;

struct FolderInfo {
    Rect windowBounds;
    UInt16 finderFlags;
    Point location;
    UInt16 reservedField;
};
typedef struct FolderInfo FolderInfo;

struct ExtendedFileInfo {
    SInt16 reserved1[4];
    UInt16 extendedFinderFlags;
    SInt16 reserved2;
    SInt32 putAwayFolderID;
};
typedef struct ExtendedFileInfo ExtendedFileInfo;

struct ExtendedFolderInfo {
    Point scrollPosition;
    SInt32 reserved1;
    UInt16 extendedFinderFlags;
    SInt16 reserved2;
    SInt32 putAwayFolderID;
};
typedef struct ExtendedFolderInfo ExtendedFolderInfo;

struct FInfo {
    OSType fdType;
    OSType fdCreator;
    UInt16 fdFlags;
    Point fdLocation;
    SInt16 fdFldr;
};
typedef struct FInfo FInfo;

struct FXInfo {
    SInt16 fdIconID;
    SInt16 fdReserved[3];
    SInt8 fdScript;
    SInt8 fdXFlags;
    SInt16 fdComment;
    SInt32 fdPutAway;
};
typedef struct FXInfo FXInfo;

struct DInfo {
    Rect frRect;
    UInt16 frFlags;
    Point frLocation;
    SInt16 frView;
};
typedef struct DInfo DInfo;

struct DXInfo {
    Point frScroll;
    SInt32 frOpenChain;
    SInt8 frScript;
    SInt8 frXFlags;
    SInt16 frComment;
    SInt32 frPutAway;
};
typedef struct DXInfo DXInfo;

#endif /* __FINDER__ */
