/* MacTypes.h: the basic integer, floating-point, character and result types of the Apple frameworks. */
#ifndef __MACTYPES__
#define __MACTYPES__

#include <stdint.h>
#include <stdbool.h>

typedef uint8_t UInt8;
typedef int8_t SInt8;
typedef uint16_t UInt16;
typedef int16_t SInt16;
typedef uint32_t UInt32;
typedef int32_t SInt32;
typedef uint64_t UInt64;
typedef int64_t SInt64;
typedef float Float32;
typedef double Float64;

typedef SInt32 Fixed;
typedef Fixed *FixedPtr;
typedef long Size;
typedef UInt8 Byte;
typedef SInt8 SignedByte;
typedef char *Ptr;
typedef Ptr *Handle;
typedef unsigned long ByteCount;
typedef unsigned long ItemCount;
typedef unsigned char Boolean;

typedef SInt16 OSErr;
typedef SInt32 OSStatus;
typedef UInt32 FourCharCode;
typedef FourCharCode OSType;
typedef FourCharCode ResType;
typedef UInt32 UTF32Char;
typedef UInt16 UniChar;
typedef UInt16 UTF16Char;
typedef UInt8 UTF8Char;
typedef UniChar *UniCharPtr;
typedef unsigned long UniCharCount;
typedef unsigned char Str255[256];
typedef unsigned char Str63[64];
typedef unsigned char Str31[32];
typedef unsigned char *StringPtr;
typedef const unsigned char *ConstStringPtr;
typedef const unsigned char *ConstStr255Param;
typedef UInt32 OptionBits;
typedef void *SRefCon;
typedef UInt32 URefCon;
typedef SInt16 ScriptCode;
typedef SInt16 LangCode;
typedef SInt16 RegionCode;
typedef SInt32 Fract;
typedef short ShortFixed;
typedef UInt32 UnicodeScalarValue;
typedef UInt32 LogicalAddress;
typedef void *LogicalAddressPtr;
typedef SInt8 VersionRevision;
typedef long (*ProcPtr)(void);
typedef ProcPtr UniversalProcPtr;
typedef SInt16 ResID;
typedef SInt16 ResAttributes;
typedef UInt8 Style;
typedef UInt32 NumVersionVariant;
typedef const unsigned char *ConstStr63Param;
typedef const unsigned char *ConstStr31Param;
typedef unsigned char Str32[33];
typedef unsigned char Str15[16];

struct ProcessSerialNumber {
    UInt32 highLongOfPSN;
    UInt32 lowLongOfPSN;
};
typedef struct ProcessSerialNumber ProcessSerialNumber;
typedef ProcessSerialNumber *ProcessSerialNumberPtr;

struct NumVersion {
    UInt8 nonRelRev;
    UInt8 stage;
    UInt8 minorAndBugRev;
    UInt8 majorRev;
};
typedef struct NumVersion NumVersion;

enum {
    noErr = 0
};

enum {
    kNoErr = 0,
    unimpErr = -4,
    paramErr = -50,
    memFullErr = -108,
    nilHandleErr = -109,
    fnfErr = -43,
    userCanceledErr = -128,
    kUnknownErr = -1
};

enum {
    kNilOptions = 0
};

#define kVariableLengthArray 1
#define kUnknownType 0x3F3F3F3F

#endif /* __MACTYPES__ */
