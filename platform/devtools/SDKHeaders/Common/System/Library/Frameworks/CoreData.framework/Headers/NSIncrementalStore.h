/* NSIncrementalStore.h: persistent stores that load and save objects on demand. */
#import <CoreData/NSPersistentStore.h>

@class NSEntityDescription, NSManagedObjectID, NSManagedObjectContext, NSPersistentStoreRequest;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.7), ios(5.0))
@interface NSIncrementalStore : NSPersistentStore
- (BOOL)loadMetadata:(NSError **)error;
- (nullable id)executeRequest:(NSPersistentStoreRequest *)request
                  withContext:(nullable NSManagedObjectContext *)context
                        error:(NSError **)error;
- (NSManagedObjectID *)newObjectIDForEntity:(NSEntityDescription *)entity referenceObject:(id)data;
- (id)referenceObjectForObjectID:(NSManagedObjectID *)objectID;
@end

NS_ASSUME_NONNULL_END
