/* AXTextMarker.h: opaque positions and ranges in text that accessibility clients pass back to applications. */
#ifndef __AXTEXTMARKER__
#define __AXTEXTMARKER__

#include <CoreFoundation/CoreFoundation.h>

typedef const struct CF_BRIDGED_TYPE(id) __AXTextMarker *AXTextMarkerRef;
typedef const struct CF_BRIDGED_TYPE(id) __AXTextMarkerRange *AXTextMarkerRangeRef;

CF_EXTERN_C_BEGIN
CFTypeID AXTextMarkerGetTypeID(void) API_AVAILABLE(macos(10.11));
AXTextMarkerRef AXTextMarkerCreate(CFAllocatorRef allocator, const UInt8 *bytes, CFIndex length)
    API_AVAILABLE(macos(10.11));
CFIndex AXTextMarkerGetLength(AXTextMarkerRef marker) API_AVAILABLE(macos(10.11));
const UInt8 *AXTextMarkerGetBytePtr(AXTextMarkerRef theTextMarker) API_AVAILABLE(macos(10.11));
CFTypeID AXTextMarkerRangeGetTypeID(void) API_AVAILABLE(macos(10.11));
AXTextMarkerRangeRef AXTextMarkerRangeCreate(CFAllocatorRef allocator, AXTextMarkerRef startMarker,
                                             AXTextMarkerRef endMarker) API_AVAILABLE(macos(10.11));
AXTextMarkerRangeRef AXTextMarkerRangeCreateWithBytes(CFAllocatorRef allocator, const UInt8 *startMarkerBytes,
                                                      CFIndex startMarkerLength, const UInt8 *endMarkerBytes,
                                                      CFIndex endMarkerLength) API_AVAILABLE(macos(10.11));
AXTextMarkerRef AXTextMarkerRangeCopyStartMarker(AXTextMarkerRangeRef textMarkerRange) API_AVAILABLE(macos(10.11));
AXTextMarkerRef AXTextMarkerRangeCopyEndMarker(AXTextMarkerRangeRef textMarkerRange) API_AVAILABLE(macos(10.11));
CF_EXTERN_C_END

#endif /* __AXTEXTMARKER__ */
