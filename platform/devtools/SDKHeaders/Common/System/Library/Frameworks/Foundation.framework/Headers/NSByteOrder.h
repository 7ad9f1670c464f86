/* NSByteOrder.h: Foundation's byte-order functions, over Core Foundation's. */
#import <Foundation/NSObjCRuntime.h>
#import <CoreFoundation/CFByteOrder.h>

enum { NS_UnknownByteOrder = CFByteOrderUnknown, NS_LittleEndian = CFByteOrderLittleEndian,
       NS_BigEndian = CFByteOrderBigEndian };

typedef struct {
    unsigned int v;
} NSSwappedFloat;
typedef struct {
    unsigned long long v;
} NSSwappedDouble;

NS_INLINE long NSHostByteOrder(void) { return CFByteOrderGetCurrent(); }
NS_INLINE unsigned short NSSwapShort(unsigned short inv) { return CFSwapInt16(inv); }
NS_INLINE unsigned int NSSwapInt(unsigned int inv) { return CFSwapInt32(inv); }
NS_INLINE unsigned long NSSwapLong(unsigned long inv) {
#if __LP64__
    return CFSwapInt64(inv);
#else
    return CFSwapInt32(inv);
#endif
}
NS_INLINE unsigned long long NSSwapLongLong(unsigned long long inv) { return CFSwapInt64(inv); }
NS_INLINE unsigned short NSSwapBigShortToHost(unsigned short x) { return CFSwapInt16BigToHost(x); }
NS_INLINE unsigned int NSSwapBigIntToHost(unsigned int x) { return CFSwapInt32BigToHost(x); }
NS_INLINE unsigned long long NSSwapBigLongLongToHost(unsigned long long x) { return CFSwapInt64BigToHost(x); }
NS_INLINE unsigned short NSSwapHostShortToBig(unsigned short x) { return CFSwapInt16HostToBig(x); }
NS_INLINE unsigned int NSSwapHostIntToBig(unsigned int x) { return CFSwapInt32HostToBig(x); }
NS_INLINE unsigned long long NSSwapHostLongLongToBig(unsigned long long x) { return CFSwapInt64HostToBig(x); }
NS_INLINE unsigned short NSSwapLittleShortToHost(unsigned short x) { return CFSwapInt16LittleToHost(x); }
NS_INLINE unsigned int NSSwapLittleIntToHost(unsigned int x) { return CFSwapInt32LittleToHost(x); }
NS_INLINE unsigned long long NSSwapLittleLongLongToHost(unsigned long long x) { return CFSwapInt64LittleToHost(x); }
NS_INLINE unsigned short NSSwapHostShortToLittle(unsigned short x) { return CFSwapInt16HostToLittle(x); }
NS_INLINE unsigned int NSSwapHostIntToLittle(unsigned int x) { return CFSwapInt32HostToLittle(x); }
NS_INLINE unsigned long long NSSwapHostLongLongToLittle(unsigned long long x) { return CFSwapInt64HostToLittle(x); }
