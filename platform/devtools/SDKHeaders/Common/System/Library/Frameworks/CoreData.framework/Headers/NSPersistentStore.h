/* NSPersistentStore.h: the stores that keep the objects of a Core Data model. */
#import <Foundation/Foundation.h>
#import <CoreData/CoreDataDefines.h>

@class NSPersistentStoreCoordinator;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.5), ios(3.0))
@interface NSPersistentStore : NSObject
- (instancetype)initWithPersistentStoreCoordinator:(nullable NSPersistentStoreCoordinator *)root
                                 configurationName:(nullable NSString *)name
                                               URL:(NSURL *)url
                                           options:(nullable NSDictionary *)options NS_DESIGNATED_INITIALIZER;
- (BOOL)loadMetadata:(NSError **)error;
@property (nullable, readonly, weak) NSPersistentStoreCoordinator *persistentStoreCoordinator;
@property (readonly, copy) NSString *configurationName;
@property (nullable, readonly, strong) NSDictionary *options;
@property (nullable, strong) NSURL *URL;
@property (copy) NSString *identifier;
@property (readonly, copy) NSString *type;
@property (getter=isReadOnly) BOOL readOnly;
@end

NS_ASSUME_NONNULL_END
