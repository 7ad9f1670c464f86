/* NSZone.h: memory zones (kept for old interfaces; every allocation now uses the default zone) and pages. */
#import <Foundation/NSObjCRuntime.h>

@class NSString;

NS_ASSUME_NONNULL_BEGIN

typedef struct _NSZone NSZone;

FOUNDATION_EXPORT NSZone *NSDefaultMallocZone(void) NS_SWIFT_UNAVAILABLE("Zone-based memory management is unavailable");
FOUNDATION_EXPORT void *NSZoneMalloc(NSZone *_Nullable zone, NSUInteger size) NS_SWIFT_UNAVAILABLE("");
FOUNDATION_EXPORT void *NSZoneCalloc(NSZone *_Nullable zone, NSUInteger numElems, NSUInteger byteSize)
    NS_SWIFT_UNAVAILABLE("");
FOUNDATION_EXPORT void *NSZoneRealloc(NSZone *_Nullable zone, void *_Nullable ptr, NSUInteger size)
    NS_SWIFT_UNAVAILABLE("");
FOUNDATION_EXPORT void NSZoneFree(NSZone *_Nullable zone, void *ptr) NS_SWIFT_UNAVAILABLE("");

FOUNDATION_EXPORT NSUInteger NSPageSize(void);
FOUNDATION_EXPORT NSUInteger NSLogPageSize(void);
FOUNDATION_EXPORT NSUInteger NSRoundUpToMultipleOfPageSize(NSUInteger bytes);
FOUNDATION_EXPORT NSUInteger NSRoundDownToMultipleOfPageSize(NSUInteger bytes);
FOUNDATION_EXPORT void *NSAllocateMemoryPages(NSUInteger bytes);
FOUNDATION_EXPORT void NSDeallocateMemoryPages(void *ptr, NSUInteger bytes);
FOUNDATION_EXPORT void NSCopyMemoryPages(const void *source, void *dest, NSUInteger bytes);

NS_ASSUME_NONNULL_END
