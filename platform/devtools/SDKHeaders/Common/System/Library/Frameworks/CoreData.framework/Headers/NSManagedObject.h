/* NSManagedObject.h: the objects that Core Data manages: their entity, context, faulting and primitive values. */
#import <Foundation/NSObject.h>
#import <Foundation/NSSet.h>
#import <Foundation/NSDictionary.h>

@class NSEntityDescription, NSError, NSManagedObjectContext, NSManagedObjectID, NSString;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.4), ios(3.0))
@interface NSManagedObject : NSObject

@property (class, readonly) BOOL contextShouldIgnoreUnmodeledPropertyChanges API_AVAILABLE(macos(10.11), ios(8.3));
+ (NSEntityDescription *)entity API_AVAILABLE(macos(10.12), ios(10.0));
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
@property (nonatomic, getter=isFault, readonly) BOOL fault;

- (void)awakeFromFetch;
- (void)awakeFromInsert;
- (void)willSave;
- (void)didSave;
- (void)willTurnIntoFault;
- (void)didTurnIntoFault;

- (nullable id)valueForKey:(NSString *)key;
- (void)setValue:(nullable id)value forKey:(NSString *)key;
- (void)willAccessValueForKey:(nullable NSString *)key;
- (void)didAccessValueForKey:(nullable NSString *)key;
- (nullable id)primitiveValueForKey:(NSString *)key;
- (void)setPrimitiveValue:(nullable id)value forKey:(NSString *)key;

- (NSDictionary<NSString *, id> *)committedValuesForKeys:(nullable NSArray<NSString *> *)keys;
- (NSDictionary<NSString *, id> *)changedValues;

- (BOOL)validateForDelete:(NSError **)error;
- (BOOL)validateForInsert:(NSError **)error;
- (BOOL)validateForUpdate:(NSError **)error;

@end

NS_ASSUME_NONNULL_END
