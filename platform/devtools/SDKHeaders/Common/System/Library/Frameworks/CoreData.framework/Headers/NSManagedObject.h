/* NSManagedObject.h: the objects of a Core Data model, kept by a managed object context. */
#import <Foundation/Foundation.h>
#import <CoreData/CoreDataDefines.h>

@class NSEntityDescription, NSManagedObjectContext, NSManagedObjectID, NSFetchRequest;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSSnapshotEventType) {
    NSSnapshotEventUndoInsertion = 1 << 1,
    NSSnapshotEventUndoDeletion = 1 << 2,
    NSSnapshotEventUndoUpdate = 1 << 3,
    NSSnapshotEventRollback = 1 << 4,
    NSSnapshotEventRefresh = 1 << 5,
    NSSnapshotEventMergePolicy = 1 << 6
};

API_AVAILABLE(macos(10.4), ios(3.0))
@interface NSManagedObject : NSObject
@property (class, readonly) BOOL contextShouldIgnoreUnmodeledPropertyChanges API_AVAILABLE(macos(10.11), ios(8.3));
+ (NSEntityDescription *)entity API_AVAILABLE(macos(10.12), ios(10.0));
+ (NSFetchRequest *)fetchRequest API_AVAILABLE(macos(10.12), ios(10.0));
- (__kindof NSManagedObject *)initWithEntity:(NSEntityDescription *)entity
              insertIntoManagedObjectContext:(nullable NSManagedObjectContext *)context NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithContext:(NSManagedObjectContext *)moc API_AVAILABLE(macos(10.12), ios(10.0));
@property (nullable, nonatomic, readonly, assign) NSManagedObjectContext *managedObjectContext;
@property (nonatomic, readonly, strong) NSEntityDescription *entity;
@property (nonatomic, readonly, strong) NSManagedObjectID *objectID;
@property (nonatomic, getter=isInserted, readonly) BOOL inserted;
@property (nonatomic, getter=isUpdated, readonly) BOOL updated;
@property (nonatomic, getter=isDeleted, readonly) BOOL deleted;
@property (nonatomic, readonly) BOOL hasChanges API_AVAILABLE(macos(10.7), ios(5.0));
@property (nonatomic, readonly) BOOL hasPersistentChangedValues API_AVAILABLE(macos(10.11), ios(9.0));
- (BOOL)hasFaultForRelationshipNamed:(NSString *)key API_AVAILABLE(macos(10.5), ios(3.0));
@property (nonatomic, getter=isFault, readonly) BOOL fault;
@property (nonatomic, readonly) NSUInteger faultingState API_AVAILABLE(macos(10.5), ios(3.0));
- (void)willAccessValueForKey:(nullable NSString *)key;
- (void)didAccessValueForKey:(nullable NSString *)key;
- (void)willChangeValueForKey:(NSString *)key;
- (void)didChangeValueForKey:(NSString *)key;
- (void)awakeFromFetch;
- (void)awakeFromInsert;
- (void)willSave;
- (void)didSave;
- (void)willTurnIntoFault API_AVAILABLE(macos(10.5), ios(3.0));
- (void)didTurnIntoFault;
- (nullable id)valueForKey:(NSString *)key;
- (void)setValue:(nullable id)value forKey:(NSString *)key;
- (nullable id)primitiveValueForKey:(NSString *)key;
- (void)setPrimitiveValue:(nullable id)value forKey:(NSString *)key;
- (NSDictionary<NSString *, id> *)committedValuesForKeys:(nullable NSArray<NSString *> *)keys;
- (NSDictionary<NSString *, id> *)changedValues;
- (BOOL)validateForDelete:(NSError **)error;
- (BOOL)validateForInsert:(NSError **)error;
- (BOOL)validateForUpdate:(NSError **)error;
@end

NS_ASSUME_NONNULL_END
