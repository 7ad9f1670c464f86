/* NSManagedObjectContext.h: a scratch pad of managed objects: fetching, inserting, deleting and saving them. */
#import <Foundation/NSArray.h>
#import <Foundation/NSObject.h>
#import <CoreData/NSFetchRequest.h>

@class NSError, NSFetchRequest, NSManagedObject;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSManagedObjectContextConcurrencyType) {
    NSPrivateQueueConcurrencyType = 0x01,
    NSMainQueueConcurrencyType = 0x02
} API_AVAILABLE(macos(10.7), ios(5.0));

API_AVAILABLE(macos(10.4), ios(3.0))
@interface NSManagedObjectContext : NSObject <NSCoding>
- (instancetype)initWithConcurrencyType:(NSManagedObjectContextConcurrencyType)ct NS_DESIGNATED_INITIALIZER
    API_AVAILABLE(macos(10.7), ios(5.0));
@property (nonatomic, readonly) BOOL hasChanges;
- (nullable NSArray *)executeFetchRequest:(NSFetchRequest *)request error:(NSError **)error;
- (NSUInteger)countForFetchRequest:(NSFetchRequest *)request error:(NSError **)error API_AVAILABLE(macos(10.5), ios(3.0));
- (void)insertObject:(NSManagedObject *)object;
- (void)deleteObject:(NSManagedObject *)object;
- (BOOL)save:(NSError **)error;
- (void)rollback;
- (void)reset;
@end

NS_ASSUME_NONNULL_END
