/* NSManagedObject.h: the objects that Core Data manages: their entity, context, faulting and primitive values. */
#import <Foundation/NSObject.h>
#import <Foundation/NSSet.h>
#import <Foundation/NSDictionary.h>

@class NSEntityDescription, NSError, NSManagedObjectContext, NSString;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.4), ios(3.0))
@interface NSManagedObject : NSObject

- (__kindof NSManagedObject *)initWithEntity:(NSEntityDescription *)entity
              insertIntoManagedObjectContext:(nullable NSManagedObjectContext *)context NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithContext:(NSManagedObjectContext *)moc API_AVAILABLE(macos(10.12), ios(10.0));

@property (nullable, nonatomic, readonly, assign) NSManagedObjectContext *managedObjectContext;
@property (nonatomic, readonly, strong) NSEntityDescription *entity;
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
