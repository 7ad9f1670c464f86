/*
 * CFBase.h: the base of Core Foundation: the integer and boolean types, ranges, the opaque object types and the
 * polymorphic functions on every object (retain, release, equality, hash, description), the allocators, and the
 * macros that declare ownership and bridging to Objective-C.
 */
#ifndef __COREFOUNDATION_CFBASE__
#define __COREFOUNDATION_CFBASE__

#include <TargetConditionals.h>
#include <CoreFoundation/CFAvailability.h>
#include <sys/types.h>
#include <stdint.h>
#include <stdbool.h>
#include <stddef.h>
#include <MacTypes.h>
#include <AvailabilityMacros.h>
#if defined(__BLOCKS__)
#include <Block.h>
#endif

#if defined(__OBJC__)
#include <objc/NSObjCRuntime.h>
#endif

/* The values of Boolean. */
#if !defined(TRUE)
#define TRUE 1
#endif
#if !defined(FALSE)
#define FALSE 0
#endif

#if defined(__cplusplus)
#define CF_EXTERN_C_BEGIN extern "C" {
#define CF_EXTERN_C_END }
#define CF_EXPORT extern "C" __attribute__((visibility("default")))
#else
#define CF_EXTERN_C_BEGIN
#define CF_EXTERN_C_END
#define CF_EXPORT extern __attribute__((visibility("default")))
#endif
#define CF_INLINE static __inline__ __attribute__((always_inline))
#define CF_NOESCAPE __attribute__((noescape))
#define CF_WARN_UNUSED_RESULT __attribute__((warn_unused_result))
#define CF_FORMAT_FUNCTION(F, A) __attribute__((format(__CFString__, F, A)))
#define CF_FORMAT_ARGUMENT(A) __attribute__((format_arg(A)))
#define CF_NO_TAIL_CALL __attribute__((not_tail_called))

/* Ownership of returned and passed objects, for the static analyzer and ARC. */
#define CF_RETURNS_RETAINED __attribute__((cf_returns_retained))
#define CF_RETURNS_NOT_RETAINED __attribute__((cf_returns_not_retained))
#define CF_RELEASES_ARGUMENT __attribute__((cf_consumed))
#define CF_CONSUMED __attribute__((cf_consumed))
#define CF_IMPLICIT_BRIDGING_ENABLED _Pragma("clang arc_cf_code_audited begin")
#define CF_IMPLICIT_BRIDGING_DISABLED _Pragma("clang arc_cf_code_audited end")
#define CF_ASSUME_NONNULL_BEGIN _Pragma("clang assume_nonnull begin")
#define CF_ASSUME_NONNULL_END _Pragma("clang assume_nonnull end")

/* Toll-free bridging between a CF type and an Objective-C class. */
#define CF_BRIDGED_TYPE(T) __attribute__((objc_bridge(T)))
#define CF_BRIDGED_MUTABLE_TYPE(T) __attribute__((objc_bridge_mutable(T)))
#define CF_RELATED_TYPE(T, C, I) __attribute__((objc_bridge_related(T, C, I)))

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

CF_EXPORT double kCFCoreFoundationVersionNumber;

typedef unsigned long CFTypeID;
typedef unsigned long CFOptionFlags;
typedef unsigned long CFHashCode;
typedef signed long CFIndex;

/* Any Core Foundation object. */
typedef const CF_BRIDGED_TYPE(id) void *CFTypeRef;

typedef const struct CF_BRIDGED_TYPE(NSString) __CFString *CFStringRef;
typedef struct CF_BRIDGED_MUTABLE_TYPE(NSMutableString) __CFString *CFMutableStringRef;

typedef CFTypeRef CFPropertyListRef;

typedef CF_ENUM(CFIndex, CFComparisonResult) {
    kCFCompareLessThan = -1L,
    kCFCompareEqualTo = 0,
    kCFCompareGreaterThan = 1
};

typedef CFComparisonResult (*CFComparatorFunction)(const void *val1, const void *val2, void *_Nullable context);

static const CFIndex kCFNotFound = -1;

typedef struct {
    CFIndex location;
    CFIndex length;
} CFRange;

CF_INLINE CFRange CFRangeMake(CFIndex loc, CFIndex len) {
    CFRange range;
    range.location = loc;
    range.length = len;
    return range;
}

/* The null object, kCFNull. */
typedef const struct CF_BRIDGED_TYPE(NSNull) __CFNull *CFNullRef;
CF_EXPORT CFTypeID CFNullGetTypeID(void);
CF_EXPORT const CFNullRef kCFNull;

/* Allocators */
typedef const struct CF_BRIDGED_TYPE(id) __CFAllocator *CFAllocatorRef;
typedef const void *_Nonnull (*CFAllocatorRetainCallBack)(const void *_Nonnull info);
typedef void (*CFAllocatorReleaseCallBack)(const void *_Nonnull info);
typedef CFStringRef _Nullable (*CFAllocatorCopyDescriptionCallBack)(const void *_Nonnull info);
CF_EXPORT const CFAllocatorRef _Nullable kCFAllocatorDefault;
CF_EXPORT const CFAllocatorRef kCFAllocatorSystemDefault;
CF_EXPORT const CFAllocatorRef kCFAllocatorMalloc;
CF_EXPORT const CFAllocatorRef kCFAllocatorMallocZone;
CF_EXPORT const CFAllocatorRef kCFAllocatorNull;
CF_EXPORT const CFAllocatorRef _Nullable kCFAllocatorUseContext;
CF_EXPORT CFTypeID CFAllocatorGetTypeID(void);
CF_EXPORT CFAllocatorRef CFAllocatorGetDefault(void);
CF_EXPORT void *_Nullable CFAllocatorAllocate(CFAllocatorRef _Nullable allocator, CFIndex size, CFOptionFlags hint);
CF_EXPORT void CFAllocatorDeallocate(CFAllocatorRef _Nullable allocator, void *ptr);

/* Polymorphic functions */
CF_EXPORT CFTypeID CFGetTypeID(CFTypeRef cf);
CF_EXPORT CFStringRef CFCopyTypeIDDescription(CFTypeID type_id);
CF_EXPORT CFTypeRef CFRetain(CFTypeRef cf);
CF_EXPORT void CFRelease(CFTypeRef cf);
CF_EXPORT CFTypeRef CFAutorelease(CFTypeRef CF_RELEASES_ARGUMENT arg) CF_AVAILABLE(10_9, 7_0);
CF_EXPORT CFIndex CFGetRetainCount(CFTypeRef cf);
CF_EXPORT Boolean CFEqual(CFTypeRef cf1, CFTypeRef cf2);
CF_EXPORT CFHashCode CFHash(CFTypeRef cf);
CF_EXPORT CFStringRef _Nullable CFCopyDescription(CFTypeRef _Nullable cf);
CF_EXPORT CFAllocatorRef _Nullable CFGetAllocator(CFTypeRef cf);


CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFBASE__ */
