/* NSCache.h: a thread-safe key-value store whose entries the system may evict under memory pressure. */
#import <Foundation/NSObject.h>

@class NSString;
@protocol NSCacheDelegate;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.6), ios(4.0))
@interface NSCache<KeyType, ObjectType> : NSObject
@property (copy) NSString *name;
@property (nullable, unsafe_unretained) id<NSCacheDelegate> delegate;
- (nullable ObjectType)objectForKey:(KeyType)key;
- (void)setObject:(ObjectType)obj forKey:(KeyType)key;
- (void)setObject:(ObjectType)obj forKey:(KeyType)key cost:(NSUInteger)g;
- (void)removeObjectForKey:(KeyType)key;
- (void)removeAllObjects;
@property NSUInteger totalCostLimit;
@property NSUInteger countLimit;
@property BOOL evictsObjectsWithDiscardedContent;
@end

@protocol NSCacheDelegate <NSObject>
@optional
- (void)cache:(NSCache *)cache willEvictObject:(id)obj;
@end

NS_ASSUME_NONNULL_END
