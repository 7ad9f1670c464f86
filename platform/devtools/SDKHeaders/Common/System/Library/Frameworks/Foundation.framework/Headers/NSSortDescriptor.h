/* NSSortDescriptor.h: sort orders by key path, and sorting collections with them. */
#import <Foundation/NSArray.h>
#import <Foundation/NSSet.h>
#import <Foundation/NSOrderedSet.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSSortDescriptor : NSObject <NSSecureCoding, NSCopying>
+ (instancetype)sortDescriptorWithKey:(nullable NSString *)key ascending:(BOOL)ascending API_AVAILABLE(macos(10.6), ios(4.0));
+ (instancetype)sortDescriptorWithKey:(nullable NSString *)key
                            ascending:(BOOL)ascending
                             selector:(nullable SEL)selector API_AVAILABLE(macos(10.6), ios(4.0));
- (instancetype)initWithKey:(nullable NSString *)key ascending:(BOOL)ascending;
- (instancetype)initWithKey:(nullable NSString *)key ascending:(BOOL)ascending selector:(nullable SEL)selector;
#if defined(__BLOCKS__)
+ (instancetype)sortDescriptorWithKey:(nullable NSString *)key
                            ascending:(BOOL)ascending
                           comparator:(NSComparator)cmptr API_AVAILABLE(macos(10.6), ios(4.0));
- (instancetype)initWithKey:(nullable NSString *)key
                  ascending:(BOOL)ascending
                 comparator:(NSComparator)cmptr API_AVAILABLE(macos(10.6), ios(4.0));
@property (readonly) NSComparator comparator API_AVAILABLE(macos(10.6), ios(4.0));
#endif
@property (nullable, readonly, copy) NSString *key;
@property (readonly) BOOL ascending;
@property (nullable, readonly) SEL selector;
- (NSComparisonResult)compareObject:(id)object1 toObject:(id)object2;
@property (readonly, retain) id reversedSortDescriptor;
@end

@interface NSSet<ObjectType> (NSSortDescriptorSorting)
- (NSArray<ObjectType> *)sortedArrayUsingDescriptors:(NSArray<NSSortDescriptor *> *)sortDescriptors
    API_AVAILABLE(macos(10.6), ios(4.0));
@end

@interface NSArray<ObjectType> (NSSortDescriptorSorting)
- (NSArray<ObjectType> *)sortedArrayUsingDescriptors:(NSArray<NSSortDescriptor *> *)sortDescriptors;
@end

@interface NSMutableArray<ObjectType> (NSSortDescriptorSorting)
- (void)sortUsingDescriptors:(NSArray<NSSortDescriptor *> *)sortDescriptors;
@end

NS_ASSUME_NONNULL_END
