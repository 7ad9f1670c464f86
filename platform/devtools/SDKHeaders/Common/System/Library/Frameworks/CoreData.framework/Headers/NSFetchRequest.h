/* NSFetchRequest.h: the criteria by which objects are fetched from a persistent store. */
#import <Foundation/NSArray.h>
#import <Foundation/NSObject.h>
#import <Foundation/NSDictionary.h>
#import <Foundation/NSValue.h>
#import <CoreData/NSManagedObject.h>

@class NSEntityDescription, NSPredicate, NSSortDescriptor, NSString;

NS_ASSUME_NONNULL_BEGIN

/* What a fetch request may return: managed objects, object identifiers, dictionaries and numbers. */
API_AVAILABLE(macos(10.4), ios(3.0))
@protocol NSFetchRequestResult <NSObject>
@end

@interface NSManagedObject (NSFetchedResultSupport) <NSFetchRequestResult>
@end
@interface NSDictionary (NSFetchedResultSupport) <NSFetchRequestResult>
@end
@interface NSNumber (NSFetchedResultSupport) <NSFetchRequestResult>
@end

API_AVAILABLE(macos(10.7), ios(5.0))
@interface NSPersistentStoreRequest : NSObject <NSCopying>
@end

API_AVAILABLE(macos(10.4), ios(3.0))
@interface NSFetchRequest<__covariant ResultType : id<NSFetchRequestResult>> : NSPersistentStoreRequest <NSCoding>
+ (instancetype)fetchRequestWithEntityName:(NSString *)entityName API_AVAILABLE(macos(10.7), ios(4.0));
- (instancetype)init;
- (instancetype)initWithEntityName:(NSString *)entityName API_AVAILABLE(macos(10.7), ios(4.0));
@property (nullable, nonatomic, strong) NSEntityDescription *entity;
@property (nullable, nonatomic, readonly, strong) NSString *entityName API_AVAILABLE(macos(10.7), ios(4.0));
@property (nullable, nonatomic, strong) NSPredicate *predicate;
@property (nullable, nonatomic, strong) NSArray<NSSortDescriptor *> *sortDescriptors;
@property (nonatomic) NSUInteger fetchLimit;
@property (nonatomic) NSUInteger fetchBatchSize API_AVAILABLE(macos(10.6), ios(3.0));
@end

NS_ASSUME_NONNULL_END
