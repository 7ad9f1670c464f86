/* NSFetchedResultsController.h: the results of a fetch request, kept up to date and divided into sections for a
 * table or collection view. */
#import <Foundation/NSArray.h>
#import <Foundation/NSObject.h>
#import <CoreData/NSFetchRequest.h>
#import <CoreData/NSManagedObjectContext.h>

@class NSError, NSIndexPath, NSString;
@protocol NSFetchedResultsControllerDelegate;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.12), ios(3.0))
@interface NSFetchedResultsController<ResultType : id<NSFetchRequestResult>> : NSObject

- (instancetype)initWithFetchRequest:(NSFetchRequest<ResultType> *)fetchRequest
                managedObjectContext:(NSManagedObjectContext *)context
                  sectionNameKeyPath:(nullable NSString *)sectionNameKeyPath
                           cacheName:(nullable NSString *)name;

- (BOOL)performFetch:(NSError **)error;

@property (nonatomic, readonly) NSFetchRequest<ResultType> *fetchRequest;
@property (nonatomic, readonly) NSManagedObjectContext *managedObjectContext;
@property (nullable, nonatomic, readonly) NSString *sectionNameKeyPath;
@property (nullable, nonatomic, readonly) NSString *cacheName;
@property (nonatomic, weak, nullable) id<NSFetchedResultsControllerDelegate> delegate;
+ (void)deleteCacheWithName:(nullable NSString *)name;

@property (nullable, nonatomic, readonly) NSArray<ResultType> *fetchedObjects;
- (ResultType)objectAtIndexPath:(NSIndexPath *)indexPath;
- (nullable NSIndexPath *)indexPathForObject:(ResultType)object;

@end

@protocol NSFetchedResultsControllerDelegate <NSObject>
@optional
- (void)controllerWillChangeContent:(NSFetchedResultsController *)controller;
- (void)controllerDidChangeContent:(NSFetchedResultsController *)controller;
@end

NS_ASSUME_NONNULL_END
