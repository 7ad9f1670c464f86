/*
 * libkern/OSByteOrder.h: swapping the byte order of 16, 32 and 64 bit integers, converting between the host's and
 * big- or little-endian order, and reading or writing swapped integers in memory.
 */
#ifndef _OS_OSBYTEORDER_H
#define _OS_OSBYTEORDER_H

#include <stdint.h>

enum { OSUnknownByteOrder, OSLittleEndian, OSBigEndian };

#define OSSwapConstInt16(x) ((uint16_t)((((uint16_t)(x) & 0xff00U) >> 8) | (((uint16_t)(x) & 0x00ffU) << 8)))
#define OSSwapConstInt32(x) ((uint32_t)__builtin_bswap32((uint32_t)(x)))
#define OSSwapConstInt64(x) ((uint64_t)__builtin_bswap64((uint64_t)(x)))

static __inline__ uint16_t _OSSwapInt16(uint16_t data) { return __builtin_bswap16(data); }
static __inline__ uint32_t _OSSwapInt32(uint32_t data) { return __builtin_bswap32(data); }
static __inline__ uint64_t _OSSwapInt64(uint64_t data) { return __builtin_bswap64(data); }

#define OSSwapInt16(x) _OSSwapInt16(x)
#define OSSwapInt32(x) _OSSwapInt32(x)
#define OSSwapInt64(x) _OSSwapInt64(x)

static __inline__ int32_t OSHostByteOrder(void) {
#if defined(__LITTLE_ENDIAN__)
    return OSLittleEndian;
#elif defined(__BIG_ENDIAN__)
    return OSBigEndian;
#else
    return OSUnknownByteOrder;
#endif
}

static __inline__ uint16_t OSReadSwapInt16(const volatile void *base, uintptr_t offset) {
    return _OSSwapInt16(*(const volatile uint16_t *)((uintptr_t)base + offset));
}
static __inline__ uint32_t OSReadSwapInt32(const volatile void *base, uintptr_t offset) {
    return _OSSwapInt32(*(const volatile uint32_t *)((uintptr_t)base + offset));
}
static __inline__ uint64_t OSReadSwapInt64(const volatile void *base, uintptr_t offset) {
    return _OSSwapInt64(*(const volatile uint64_t *)((uintptr_t)base + offset));
}
static __inline__ void OSWriteSwapInt16(volatile void *base, uintptr_t offset, uint16_t data) {
    *(volatile uint16_t *)((uintptr_t)base + offset) = _OSSwapInt16(data);
}
static __inline__ void OSWriteSwapInt32(volatile void *base, uintptr_t offset, uint32_t data) {
    *(volatile uint32_t *)((uintptr_t)base + offset) = _OSSwapInt32(data);
}
static __inline__ void OSWriteSwapInt64(volatile void *base, uintptr_t offset, uint64_t data) {
    *(volatile uint64_t *)((uintptr_t)base + offset) = _OSSwapInt64(data);
}
#define _OSReadInt16(base, offset) (*(const volatile uint16_t *)((uintptr_t)(base) + (offset)))
#define _OSReadInt32(base, offset) (*(const volatile uint32_t *)((uintptr_t)(base) + (offset)))
#define _OSReadInt64(base, offset) (*(const volatile uint64_t *)((uintptr_t)(base) + (offset)))
#define _OSWriteInt16(base, offset, data) (*(volatile uint16_t *)((uintptr_t)(base) + (offset)) = (data))
#define _OSWriteInt32(base, offset, data) (*(volatile uint32_t *)((uintptr_t)(base) + (offset)) = (data))
#define _OSWriteInt64(base, offset, data) (*(volatile uint64_t *)((uintptr_t)(base) + (offset)) = (data))

#if defined(__LITTLE_ENDIAN__)
#define OSSwapHostToBigConstInt16(x) OSSwapConstInt16(x)
#define OSSwapHostToBigConstInt32(x) OSSwapConstInt32(x)
#define OSSwapHostToBigConstInt64(x) OSSwapConstInt64(x)
#define OSSwapHostToLittleConstInt16(x) ((uint16_t)(x))
#define OSSwapHostToLittleConstInt32(x) ((uint32_t)(x))
#define OSSwapHostToLittleConstInt64(x) ((uint64_t)(x))
#define OSSwapHostToBigInt16(x) OSSwapInt16(x)
#define OSSwapHostToBigInt32(x) OSSwapInt32(x)
#define OSSwapHostToBigInt64(x) OSSwapInt64(x)
#define OSSwapHostToLittleInt16(x) ((uint16_t)(x))
#define OSSwapHostToLittleInt32(x) ((uint32_t)(x))
#define OSSwapHostToLittleInt64(x) ((uint64_t)(x))
#define OSSwapBigToHostInt16(x) OSSwapInt16(x)
#define OSSwapBigToHostInt32(x) OSSwapInt32(x)
#define OSSwapBigToHostInt64(x) OSSwapInt64(x)
#define OSSwapLittleToHostInt16(x) ((uint16_t)(x))
#define OSSwapLittleToHostInt32(x) ((uint32_t)(x))
#define OSSwapLittleToHostInt64(x) ((uint64_t)(x))
#define OSSwapBigToHostConstInt16(x) OSSwapConstInt16(x)
#define OSSwapBigToHostConstInt32(x) OSSwapConstInt32(x)
#define OSSwapBigToHostConstInt64(x) OSSwapConstInt64(x)
#define OSSwapLittleToHostConstInt16(x) ((uint16_t)(x))
#define OSSwapLittleToHostConstInt32(x) ((uint32_t)(x))
#define OSSwapLittleToHostConstInt64(x) ((uint64_t)(x))
#define OSReadBigInt16(base, offset) OSReadSwapInt16(base, offset)
#define OSReadBigInt32(base, offset) OSReadSwapInt32(base, offset)
#define OSReadBigInt64(base, offset) OSReadSwapInt64(base, offset)
#define OSReadLittleInt16(base, offset) _OSReadInt16(base, offset)
#define OSReadLittleInt32(base, offset) _OSReadInt32(base, offset)
#define OSReadLittleInt64(base, offset) _OSReadInt64(base, offset)
#define OSWriteBigInt16(base, offset, data) OSWriteSwapInt16(base, offset, data)
#define OSWriteBigInt32(base, offset, data) OSWriteSwapInt32(base, offset, data)
#define OSWriteBigInt64(base, offset, data) OSWriteSwapInt64(base, offset, data)
#define OSWriteLittleInt16(base, offset, data) _OSWriteInt16(base, offset, data)
#define OSWriteLittleInt32(base, offset, data) _OSWriteInt32(base, offset, data)
#define OSWriteLittleInt64(base, offset, data) _OSWriteInt64(base, offset, data)
#else
#define OSSwapHostToBigConstInt16(x) ((uint16_t)(x))
#define OSSwapHostToBigConstInt32(x) ((uint32_t)(x))
#define OSSwapHostToBigConstInt64(x) ((uint64_t)(x))
#define OSSwapHostToLittleConstInt16(x) OSSwapConstInt16(x)
#define OSSwapHostToLittleConstInt32(x) OSSwapConstInt32(x)
#define OSSwapHostToLittleConstInt64(x) OSSwapConstInt64(x)
#define OSSwapHostToBigInt16(x) ((uint16_t)(x))
#define OSSwapHostToBigInt32(x) ((uint32_t)(x))
#define OSSwapHostToBigInt64(x) ((uint64_t)(x))
#define OSSwapHostToLittleInt16(x) OSSwapInt16(x)
#define OSSwapHostToLittleInt32(x) OSSwapInt32(x)
#define OSSwapHostToLittleInt64(x) OSSwapInt64(x)
#define OSSwapBigToHostInt16(x) ((uint16_t)(x))
#define OSSwapBigToHostInt32(x) ((uint32_t)(x))
#define OSSwapBigToHostInt64(x) ((uint64_t)(x))
#define OSSwapLittleToHostInt16(x) OSSwapInt16(x)
#define OSSwapLittleToHostInt32(x) OSSwapInt32(x)
#define OSSwapLittleToHostInt64(x) OSSwapInt64(x)
#define OSReadBigInt16(base, offset) _OSReadInt16(base, offset)
#define OSReadBigInt32(base, offset) _OSReadInt32(base, offset)
#define OSReadBigInt64(base, offset) _OSReadInt64(base, offset)
#define OSReadLittleInt16(base, offset) OSReadSwapInt16(base, offset)
#define OSReadLittleInt32(base, offset) OSReadSwapInt32(base, offset)
#define OSReadLittleInt64(base, offset) OSReadSwapInt64(base, offset)
#define OSWriteBigInt16(base, offset, data) _OSWriteInt16(base, offset, data)
#define OSWriteBigInt32(base, offset, data) _OSWriteInt32(base, offset, data)
#define OSWriteBigInt64(base, offset, data) _OSWriteInt64(base, offset, data)
#define OSWriteLittleInt16(base, offset, data) OSWriteSwapInt16(base, offset, data)
#define OSWriteLittleInt32(base, offset, data) OSWriteSwapInt32(base, offset, data)
#define OSWriteLittleInt64(base, offset, data) OSWriteSwapInt64(base, offset, data)
#endif

#endif /* _OS_OSBYTEORDER_H */
