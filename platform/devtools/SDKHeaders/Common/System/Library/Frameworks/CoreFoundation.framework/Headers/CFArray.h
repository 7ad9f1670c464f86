/* CFArray.h: ordered collections of values, immutable and mutable (bridged to NSArray and NSMutableArray). */
#ifndef __COREFOUNDATION_CFARRAY__
#define __COREFOUNDATION_CFARRAY__

#include <CoreFoundation/CFBase.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef const void *_Nonnull (*CFArrayRetainCallBack)(CFAllocatorRef _Nullable allocator, const void *value);
typedef void (*CFArrayReleaseCallBack)(CFAllocatorRef _Nullable allocator, const void *value);
typedef CFStringRef _Nullable (*CFArrayCopyDescriptionCallBack)(const void *value);
typedef Boolean (*CFArrayEqualCallBack)(const void *value1, const void *value2);
typedef struct {
    CFIndex version;
    CFArrayRetainCallBack _Nullable retain;
    CFArrayReleaseCallBack _Nullable release;
    CFArrayCopyDescriptionCallBack _Nullable copyDescription;
    CFArrayEqualCallBack _Nullable equal;
} CFArrayCallBacks;

/* Callbacks for arrays of Core Foundation objects. */
CF_EXPORT const CFArrayCallBacks kCFTypeArrayCallBacks;

typedef void (*CFArrayApplierFunction)(const void *value, void *_Nullable context);

typedef const struct CF_BRIDGED_TYPE(NSArray) __CFArray *CFArrayRef;
typedef struct CF_BRIDGED_MUTABLE_TYPE(NSMutableArray) __CFArray *CFMutableArrayRef;

CF_EXPORT CFTypeID CFArrayGetTypeID(void);
CF_EXPORT CFArrayRef CFArrayCreate(CFAllocatorRef _Nullable allocator, const void *_Nullable *_Nullable values,
                                   CFIndex numValues, const CFArrayCallBacks *_Nullable callBacks);
CF_EXPORT CFArrayRef CFArrayCreateCopy(CFAllocatorRef _Nullable allocator, CFArrayRef theArray);
CF_EXPORT CFMutableArrayRef CFArrayCreateMutable(CFAllocatorRef _Nullable allocator, CFIndex capacity,
                                                 const CFArrayCallBacks *_Nullable callBacks);
CF_EXPORT CFMutableArrayRef CFArrayCreateMutableCopy(CFAllocatorRef _Nullable allocator, CFIndex capacity,
                                                     CFArrayRef theArray);
CF_EXPORT CFIndex CFArrayGetCount(CFArrayRef theArray);
CF_EXPORT CFIndex CFArrayGetCountOfValue(CFArrayRef theArray, CFRange range, const void *_Nullable value);
CF_EXPORT Boolean CFArrayContainsValue(CFArrayRef theArray, CFRange range, const void *_Nullable value);
CF_EXPORT const void *_Nullable CFArrayGetValueAtIndex(CFArrayRef theArray, CFIndex idx);
CF_EXPORT void CFArrayGetValues(CFArrayRef theArray, CFRange range, const void *_Nullable *_Nullable values);
CF_EXPORT void CFArrayApplyFunction(CFArrayRef theArray, CFRange range, CFArrayApplierFunction CF_NOESCAPE applier,
                                    void *_Nullable context);
CF_EXPORT CFIndex CFArrayGetFirstIndexOfValue(CFArrayRef theArray, CFRange range, const void *_Nullable value);
CF_EXPORT CFIndex CFArrayGetLastIndexOfValue(CFArrayRef theArray, CFRange range, const void *_Nullable value);
CF_EXPORT void CFArrayAppendValue(CFMutableArrayRef theArray, const void *_Nullable value);
CF_EXPORT void CFArrayInsertValueAtIndex(CFMutableArrayRef theArray, CFIndex idx, const void *_Nullable value);
CF_EXPORT void CFArraySetValueAtIndex(CFMutableArrayRef theArray, CFIndex idx, const void *_Nullable value);
CF_EXPORT void CFArrayRemoveValueAtIndex(CFMutableArrayRef theArray, CFIndex idx);
CF_EXPORT void CFArrayRemoveAllValues(CFMutableArrayRef theArray);
CF_EXPORT void CFArrayAppendArray(CFMutableArrayRef theArray, CFArrayRef otherArray, CFRange otherRange);
CF_EXPORT void CFArraySortValues(CFMutableArrayRef theArray, CFRange range, CFComparatorFunction comparator,
                                 void *_Nullable context);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFARRAY__ */
