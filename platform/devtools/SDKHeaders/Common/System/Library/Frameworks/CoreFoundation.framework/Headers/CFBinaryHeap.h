/* CFBinaryHeap.h: priority queues of values ordered by a comparison callback. */
#ifndef __COREFOUNDATION_CFBINARYHEAP__
#define __COREFOUNDATION_CFBINARYHEAP__

#include <CoreFoundation/CFBase.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef struct {
    CFIndex version;
    void *_Nullable info;
    const void *_Nullable (*_Nullable retain)(const void *_Nullable info);
    void (*_Nullable release)(const void *_Nullable info);
    CFStringRef _Nullable (*_Nullable copyDescription)(const void *_Nullable info);
} CFBinaryHeapCompareContext;

typedef struct {
    CFIndex version;
    const void *_Nullable (*_Nullable retain)(CFAllocatorRef _Nullable allocator, const void *_Nullable ptr);
    void (*_Nullable release)(CFAllocatorRef _Nullable allocator, const void *_Nullable ptr);
    CFStringRef _Nullable (*_Nullable copyDescription)(const void *_Nullable ptr);
    CFComparisonResult (*_Nullable compare)(const void *_Nullable ptr1, const void *_Nullable ptr2,
                                            void *_Nullable context);
} CFBinaryHeapCallBacks;

CF_EXPORT const CFBinaryHeapCallBacks kCFStringBinaryHeapCallBacks;

typedef void (*CFBinaryHeapApplierFunction)(const void *val, void *context);
typedef struct CF_BRIDGED_MUTABLE_TYPE(id) __CFBinaryHeap *CFBinaryHeapRef;

CF_EXPORT CFTypeID CFBinaryHeapGetTypeID(void);
CF_EXPORT CFBinaryHeapRef CFBinaryHeapCreate(CFAllocatorRef _Nullable allocator, CFIndex capacity,
                                             const CFBinaryHeapCallBacks *_Nullable callBacks,
                                             const CFBinaryHeapCompareContext *_Nullable compareContext);
CF_EXPORT CFBinaryHeapRef CFBinaryHeapCreateCopy(CFAllocatorRef _Nullable allocator, CFIndex capacity,
                                                 CFBinaryHeapRef heap);
CF_EXPORT CFIndex CFBinaryHeapGetCount(CFBinaryHeapRef heap);
CF_EXPORT CFIndex CFBinaryHeapGetCountOfValue(CFBinaryHeapRef heap, const void *value);
CF_EXPORT Boolean CFBinaryHeapContainsValue(CFBinaryHeapRef heap, const void *value);
CF_EXPORT const void *CFBinaryHeapGetMinimum(CFBinaryHeapRef heap);
CF_EXPORT Boolean CFBinaryHeapGetMinimumIfPresent(CFBinaryHeapRef heap, const void *_Nullable *_Nullable value);
CF_EXPORT void CFBinaryHeapGetValues(CFBinaryHeapRef heap, const void *_Nullable *_Nonnull values);
CF_EXPORT void CFBinaryHeapApplyFunction(CFBinaryHeapRef heap, CFBinaryHeapApplierFunction CF_NOESCAPE applier,
                                         void *_Nullable context);
CF_EXPORT void CFBinaryHeapAddValue(CFBinaryHeapRef heap, const void *value);
CF_EXPORT void CFBinaryHeapRemoveMinimumValue(CFBinaryHeapRef heap);
CF_EXPORT void CFBinaryHeapRemoveAllValues(CFBinaryHeapRef heap);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFBINARYHEAP__ */
