/*
 * CFByteOrder.h: the byte order of the host, and swapping integers and floating-point values between the host's
 * order and big- or little-endian order.
 */
#ifndef __COREFOUNDATION_CFBYTEORDER__
#define __COREFOUNDATION_CFBYTEORDER__ 1

#include <CoreFoundation/CFBase.h>
#include <libkern/OSByteOrder.h>

CF_EXTERN_C_BEGIN

enum __CFByteOrder { CFByteOrderUnknown, CFByteOrderLittleEndian, CFByteOrderBigEndian };
typedef CFIndex CFByteOrder;

CF_INLINE CFByteOrder CFByteOrderGetCurrent(void) {
#if defined(__LITTLE_ENDIAN__)
    return CFByteOrderLittleEndian;
#elif defined(__BIG_ENDIAN__)
    return CFByteOrderBigEndian;
#else
    return CFByteOrderUnknown;
#endif
}

CF_INLINE uint16_t CFSwapInt16(uint16_t arg) { return OSSwapInt16(arg); }
CF_INLINE uint32_t CFSwapInt32(uint32_t arg) { return OSSwapInt32(arg); }
CF_INLINE uint64_t CFSwapInt64(uint64_t arg) { return OSSwapInt64(arg); }
CF_INLINE uint16_t CFSwapInt16BigToHost(uint16_t arg) { return OSSwapBigToHostInt16(arg); }
CF_INLINE uint32_t CFSwapInt32BigToHost(uint32_t arg) { return OSSwapBigToHostInt32(arg); }
CF_INLINE uint64_t CFSwapInt64BigToHost(uint64_t arg) { return OSSwapBigToHostInt64(arg); }
CF_INLINE uint16_t CFSwapInt16HostToBig(uint16_t arg) { return OSSwapHostToBigInt16(arg); }
CF_INLINE uint32_t CFSwapInt32HostToBig(uint32_t arg) { return OSSwapHostToBigInt32(arg); }
CF_INLINE uint64_t CFSwapInt64HostToBig(uint64_t arg) { return OSSwapHostToBigInt64(arg); }
CF_INLINE uint16_t CFSwapInt16LittleToHost(uint16_t arg) { return OSSwapLittleToHostInt16(arg); }
CF_INLINE uint32_t CFSwapInt32LittleToHost(uint32_t arg) { return OSSwapLittleToHostInt32(arg); }
CF_INLINE uint64_t CFSwapInt64LittleToHost(uint64_t arg) { return OSSwapLittleToHostInt64(arg); }
CF_INLINE uint16_t CFSwapInt16HostToLittle(uint16_t arg) { return OSSwapHostToLittleInt16(arg); }
CF_INLINE uint32_t CFSwapInt32HostToLittle(uint32_t arg) { return OSSwapHostToLittleInt32(arg); }
CF_INLINE uint64_t CFSwapInt64HostToLittle(uint64_t arg) { return OSSwapHostToLittleInt64(arg); }

typedef struct {
    uint32_t v;
} CFSwappedFloat32;
typedef struct {
    uint64_t v;
} CFSwappedFloat64;

CF_INLINE CFSwappedFloat32 CFConvertFloat32HostToSwapped(Float32 arg) {
    union {
        Float32 value;
        CFSwappedFloat32 swapped;
    } result;
    result.value = arg;
#if defined(__LITTLE_ENDIAN__)
    result.swapped.v = CFSwapInt32(result.swapped.v);
#endif
    return result.swapped;
}
CF_INLINE Float32 CFConvertFloat32SwappedToHost(CFSwappedFloat32 arg) {
    union {
        Float32 value;
        CFSwappedFloat32 swapped;
    } result;
    result.swapped = arg;
#if defined(__LITTLE_ENDIAN__)
    result.swapped.v = CFSwapInt32(result.swapped.v);
#endif
    return result.value;
}
CF_INLINE CFSwappedFloat64 CFConvertFloat64HostToSwapped(Float64 arg) {
    union {
        Float64 value;
        CFSwappedFloat64 swapped;
    } result;
    result.value = arg;
#if defined(__LITTLE_ENDIAN__)
    result.swapped.v = CFSwapInt64(result.swapped.v);
#endif
    return result.swapped;
}
CF_INLINE Float64 CFConvertFloat64SwappedToHost(CFSwappedFloat64 arg) {
    union {
        Float64 value;
        CFSwappedFloat64 swapped;
    } result;
    result.swapped = arg;
#if defined(__LITTLE_ENDIAN__)
    result.swapped.v = CFSwapInt64(result.swapped.v);
#endif
    return result.value;
}
CF_INLINE CFSwappedFloat32 CFConvertFloatHostToSwapped(float arg) { return CFConvertFloat32HostToSwapped(arg); }
CF_INLINE float CFConvertFloatSwappedToHost(CFSwappedFloat32 arg) { return CFConvertFloat32SwappedToHost(arg); }
CF_INLINE CFSwappedFloat64 CFConvertDoubleHostToSwapped(double arg) { return CFConvertFloat64HostToSwapped(arg); }
CF_INLINE double CFConvertDoubleSwappedToHost(CFSwappedFloat64 arg) { return CFConvertFloat64SwappedToHost(arg); }

CF_EXTERN_C_END

#endif /* __COREFOUNDATION_CFBYTEORDER__ */
