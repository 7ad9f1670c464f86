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

enum {
    noErr = 0
};

enum {
    kNilOptions = 0
};

#define kVariableLengthArray 1
#define kUnknownType 0x3F3F3F3F

#endif /* __MACTYPES__ */
