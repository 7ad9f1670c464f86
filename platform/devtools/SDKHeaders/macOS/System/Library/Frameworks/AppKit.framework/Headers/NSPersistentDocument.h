/* NSPersistentDocument.h: documents kept in a Core Data persistent store. */
#import <AppKit/NSDocument.h>

@class NSManagedObjectContext, NSManagedObjectModel, NSUndoManager;

NS_ASSUME_NONNULL_BEGIN

@interface NSPersistentDocument : NSDocument
@property (nullable, strong) NSManagedObjectContext *managedObjectContext;
@property (nullable, readonly, strong) NSManagedObjectModel *managedObjectModel;
- (BOOL)configurePersistentStoreCoordinatorForURL:(NSURL *)url
                                           ofType:(NSString *)fileType
                               modelConfiguration:(nullable NSString *)configuration
                                     storeOptions:(nullable NSDictionary<NSString *, id> *)storeOptions
                                            error:(NSError **)error API_AVAILABLE(macos(10.5));
- (NSString *)persistentStoreTypeForFileType:(NSString *)fileType;
- (BOOL)canAsynchronouslyWriteToURL:(NSURL *)url
                             ofType:(NSString *)typeName
                   forSaveOperation:(NSSaveOperationType)saveOperation API_AVAILABLE(macos(10.7));
@property BOOL hasUndoManager;
- (void)setUndoManager:(nullable NSUndoManager *)undoManager;
@end

NS_ASSUME_NONNULL_END
