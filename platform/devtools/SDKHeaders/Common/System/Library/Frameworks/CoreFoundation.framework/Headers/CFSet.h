/* CFSet.h: unordered collections of distinct values (bridged to NSSet and NSMutableSet). */
#ifndef __COREFOUNDATION_CFSET__
#define __COREFOUNDATION_CFSET__

#include <CoreFoundation/CFBase.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef const void *_Nonnull (*CFSetRetainCallBack)(CFAllocatorRef _Nullable allocator, const void *value);
typedef void (*CFSetReleaseCallBack)(CFAllocatorRef _Nullable allocator, const void *value);
typedef CFStringRef _Nullable (*CFSetCopyDescriptionCallBack)(const void *value);
typedef Boolean (*CFSetEqualCallBack)(const void *value1, const void *value2);
typedef CFHashCode (*CFSetHashCallBack)(const void *value);
typedef struct {
    CFIndex version;
    CFSetRetainCallBack _Nullable retain;
    CFSetReleaseCallBack _Nullable release;
    CFSetCopyDescriptionCallBack _Nullable copyDescription;
    CFSetEqualCallBack _Nullable equal;
    CFSetHashCallBack _Nullable hash;
} CFSetCallBacks;

CF_EXPORT const CFSetCallBacks kCFTypeSetCallBacks;

typedef const struct CF_BRIDGED_TYPE(NSSet) __CFSet *CFSetRef;
typedef struct CF_BRIDGED_MUTABLE_TYPE(NSMutableSet) __CFSet *CFMutableSetRef;

CF_EXPORT CFTypeID CFSetGetTypeID(void);
CF_EXPORT CFSetRef CFSetCreate(CFAllocatorRef _Nullable allocator, const void *_Nullable *_Nullable values,
                               CFIndex numValues, const CFSetCallBacks *_Nullable callBacks);
CF_EXPORT CFMutableSetRef CFSetCreateMutable(CFAllocatorRef _Nullable allocator, CFIndex capacity,
                                             const CFSetCallBacks *_Nullable callBacks);
CF_EXPORT CFIndex CFSetGetCount(CFSetRef theSet);
CF_EXPORT Boolean CFSetContainsValue(CFSetRef theSet, const void *value);
CF_EXPORT void CFSetAddValue(CFMutableSetRef theSet, const void *value);
CF_EXPORT void CFSetRemoveValue(CFMutableSetRef theSet, const void *value);

typedef void (*CFSetApplierFunction)(const void *value, void *_Nullable context);
CF_EXPORT CFSetRef CFSetCreateCopy(CFAllocatorRef _Nullable allocator, CFSetRef theSet);
CF_EXPORT CFMutableSetRef CFSetCreateMutableCopy(CFAllocatorRef _Nullable allocator, CFIndex capacity, CFSetRef theSet);
CF_EXPORT CFIndex CFSetGetCountOfValue(CFSetRef theSet, const void *value);
CF_EXPORT const void *_Nullable CFSetGetValue(CFSetRef theSet, const void *value);
CF_EXPORT Boolean CFSetGetValueIfPresent(CFSetRef theSet, const void *candidate, const void *_Nullable *_Nullable value);
CF_EXPORT void CFSetGetValues(CFSetRef theSet, const void *_Nullable *_Nullable values);
CF_EXPORT void CFSetApplyFunction(CFSetRef theSet, CFSetApplierFunction CF_NOESCAPE applier, void *_Nullable context);
CF_EXPORT void CFSetReplaceValue(CFMutableSetRef theSet, const void *value);
CF_EXPORT void CFSetSetValue(CFMutableSetRef theSet, const void *value);
CF_EXPORT void CFSetRemoveAllValues(CFMutableSetRef theSet);
CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFSET__ */
