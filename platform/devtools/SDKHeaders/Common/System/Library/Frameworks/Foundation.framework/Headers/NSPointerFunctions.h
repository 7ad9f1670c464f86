/* NSPointerFunctions.h: how the pointer collections (NSMapTable, NSHashTable, NSPointerArray) hold their entries. */
#import <Foundation/NSObject.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSPointerFunctionsOptions) {
    NSPointerFunctionsStrongMemory = (0UL << 0),
    NSPointerFunctionsZeroingWeakMemory API_DEPRECATED("GC no longer supported", macos(10.5, 10.8)) API_UNAVAILABLE(ios)
    = (1UL << 0),
    NSPointerFunctionsOpaqueMemory = (2UL << 0),
    NSPointerFunctionsMallocMemory = (3UL << 0),
    NSPointerFunctionsMachVirtualMemory = (4UL << 0),
    NSPointerFunctionsWeakMemory API_AVAILABLE(macos(10.8), ios(6.0)) = (5UL << 0),
    NSPointerFunctionsObjectPersonality = (0UL << 8),
    NSPointerFunctionsOpaquePersonality = (1UL << 8),
    NSPointerFunctionsObjectPointerPersonality = (2UL << 8),
    NSPointerFunctionsCStringPersonality = (3UL << 8),
    NSPointerFunctionsStructPersonality = (4UL << 8),
    NSPointerFunctionsIntegerPersonality = (5UL << 8),
    NSPointerFunctionsCopyIn = (1UL << 16),
};

API_AVAILABLE(macos(10.5), ios(6.0))
@interface NSPointerFunctions : NSObject <NSCopying>
- (instancetype)initWithOptions:(NSPointerFunctionsOptions)options NS_DESIGNATED_INITIALIZER;
+ (NSPointerFunctions *)pointerFunctionsWithOptions:(NSPointerFunctionsOptions)options;
@property (nullable) NSUInteger (*hashFunction)(const void *item, NSUInteger (*_Nullable size)(const void *item));
@property (nullable) BOOL (*isEqualFunction)(const void *item1, const void *item2,
                                             NSUInteger (*_Nullable size)(const void *item));
@property (nullable) NSUInteger (*sizeFunction)(const void *item);
@property (nullable) NSString *_Nullable (*descriptionFunction)(const void *item);
@property (nullable) void (*relinquishFunction)(const void *item, NSUInteger (*_Nullable size)(const void *item));
@property (nullable) void *_Nonnull (*acquireFunction)(const void *src,
                                                       NSUInteger (*_Nullable size)(const void *item), BOOL shouldCopy);
@property BOOL usesStrongWriteBarrier API_DEPRECATED("GC no longer supported", macos(10.5, 10.12))
    API_UNAVAILABLE(ios, watchos, tvos);
@property BOOL usesWeakReadAndWriteBarriers API_DEPRECATED("GC no longer supported", macos(10.5, 10.12))
    API_UNAVAILABLE(ios, watchos, tvos);
@end

NS_ASSUME_NONNULL_END
