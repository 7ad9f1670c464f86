/* CFUUID.h: universally unique identifiers. */
#ifndef __COREFOUNDATION_CFUUID__
#define __COREFOUNDATION_CFUUID__

#include <CoreFoundation/CFBase.h>
#include <CoreFoundation/CFString.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef const struct CF_BRIDGED_TYPE(id) __CFUUID *CFUUIDRef;

typedef struct {
    UInt8 byte0, byte1, byte2, byte3, byte4, byte5, byte6, byte7;
    UInt8 byte8, byte9, byte10, byte11, byte12, byte13, byte14, byte15;
} CFUUIDBytes;

CF_EXPORT CFTypeID CFUUIDGetTypeID(void);
CF_EXPORT CFUUIDRef CFUUIDCreate(CFAllocatorRef _Nullable alloc);
CF_EXPORT CFUUIDRef _Nullable CFUUIDCreateFromString(CFAllocatorRef _Nullable alloc, CFStringRef uuidStr);
CF_EXPORT CFStringRef _Nullable CFUUIDCreateString(CFAllocatorRef _Nullable alloc, CFUUIDRef uuid);
CF_EXPORT CFUUIDBytes CFUUIDGetUUIDBytes(CFUUIDRef uuid);

CF_EXPORT CFUUIDRef CFUUIDCreateFromUUIDBytes(CFAllocatorRef _Nullable alloc, CFUUIDBytes bytes);
CF_EXPORT CFUUIDRef CFUUIDCreateWithBytes(CFAllocatorRef _Nullable alloc, UInt8 byte0, UInt8 byte1, UInt8 byte2,
                                          UInt8 byte3, UInt8 byte4, UInt8 byte5, UInt8 byte6, UInt8 byte7,
                                          UInt8 byte8, UInt8 byte9, UInt8 byte10, UInt8 byte11, UInt8 byte12,
                                          UInt8 byte13, UInt8 byte14, UInt8 byte15);
CF_EXPORT CFUUIDRef CFUUIDGetConstantUUIDWithBytes(CFAllocatorRef _Nullable alloc, UInt8 byte0, UInt8 byte1,
                                                   UInt8 byte2, UInt8 byte3, UInt8 byte4, UInt8 byte5, UInt8 byte6,
                                                   UInt8 byte7, UInt8 byte8, UInt8 byte9, UInt8 byte10, UInt8 byte11,
                                                   UInt8 byte12, UInt8 byte13, UInt8 byte14, UInt8 byte15);
CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFUUID__ */
