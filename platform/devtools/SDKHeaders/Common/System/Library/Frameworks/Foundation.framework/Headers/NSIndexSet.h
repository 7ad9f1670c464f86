/* NSIndexSet.h: sets of unsigned integer indexes, kept as ranges; immutable and mutable. */
#import <Foundation/NSObject.h>
#import <Foundation/NSRange.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSIndexSet : NSObject <NSCopying, NSMutableCopying, NSSecureCoding>

+ (instancetype)indexSet;
+ (instancetype)indexSetWithIndex:(NSUInteger)value;
+ (instancetype)indexSetWithIndexesInRange:(NSRange)range;
- (instancetype)initWithIndexesInRange:(NSRange)range NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithIndexSet:(NSIndexSet *)indexSet NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithIndex:(NSUInteger)value;

- (BOOL)isEqualToIndexSet:(NSIndexSet *)indexSet;
@property (readonly) NSUInteger count;
@property (readonly) NSUInteger firstIndex;
@property (readonly) NSUInteger lastIndex;
- (NSUInteger)indexGreaterThanIndex:(NSUInteger)value;
- (NSUInteger)indexLessThanIndex:(NSUInteger)value;
- (NSUInteger)indexGreaterThanOrEqualToIndex:(NSUInteger)value;
- (NSUInteger)indexLessThanOrEqualToIndex:(NSUInteger)value;
- (NSUInteger)getIndexes:(NSUInteger *)indexBuffer
                maxCount:(NSUInteger)bufferSize
            inIndexRange:(nullable NSRangePointer)range;
- (NSUInteger)countOfIndexesInRange:(NSRange)range API_AVAILABLE(macos(10.5), ios(2.0));
- (BOOL)containsIndex:(NSUInteger)value;
- (BOOL)containsIndexesInRange:(NSRange)range;
- (BOOL)containsIndexes:(NSIndexSet *)indexSet;
- (BOOL)intersectsIndexesInRange:(NSRange)range;
#if defined(__BLOCKS__)
- (void)enumerateIndexesUsingBlock:(void(NS_NOESCAPE ^)(NSUInteger idx, BOOL *stop))block
    API_AVAILABLE(macos(10.6), ios(4.0));
- (void)enumerateIndexesWithOptions:(NSEnumerationOptions)opts
                         usingBlock:(void(NS_NOESCAPE ^)(NSUInteger idx, BOOL *stop))block
    API_AVAILABLE(macos(10.6), ios(4.0));
- (void)enumerateRangesUsingBlock:(void(NS_NOESCAPE ^)(NSRange range, BOOL *stop))block
    API_AVAILABLE(macos(10.7), ios(5.0));
- (NSUInteger)indexPassingTest:(BOOL(NS_NOESCAPE ^)(NSUInteger idx, BOOL *stop))predicate
    API_AVAILABLE(macos(10.6), ios(4.0));
- (NSIndexSet *)indexesPassingTest:(BOOL(NS_NOESCAPE ^)(NSUInteger idx, BOOL *stop))predicate
    API_AVAILABLE(macos(10.6), ios(4.0));
#endif

@end

@interface NSMutableIndexSet : NSIndexSet
- (void)addIndexes:(NSIndexSet *)indexSet;
- (void)removeIndexes:(NSIndexSet *)indexSet;
- (void)removeAllIndexes;
- (void)addIndex:(NSUInteger)value;
- (void)removeIndex:(NSUInteger)value;
- (void)addIndexesInRange:(NSRange)range;
- (void)removeIndexesInRange:(NSRange)range;
- (void)shiftIndexesStartingAtIndex:(NSUInteger)index by:(NSInteger)delta;
@end

NS_ASSUME_NONNULL_END
