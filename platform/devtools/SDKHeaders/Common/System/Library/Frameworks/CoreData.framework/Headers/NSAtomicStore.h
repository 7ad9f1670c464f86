/* NSAtomicStore.h: persistent stores that load and save all their objects at once. */
#import <CoreData/NSPersistentStore.h>

@class NSEntityDescription, NSManagedObjectID, NSManagedObject;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.5), ios(3.0))
@interface NSAtomicStore : NSPersistentStore
- (BOOL)load:(NSError **)error;
- (BOOL)save:(NSError **)error;
- (NSManagedObjectID *)objectIDForEntity:(NSEntityDescription *)entity referenceObject:(id)data;
- (id)referenceObjectForObjectID:(NSManagedObjectID *)objectID;
@end

NS_ASSUME_NONNULL_END
