/* NSEntityDescription.h: the description of an entity of a managed object model: its name, class and properties. */
#import <Foundation/NSObject.h>
#import <Foundation/NSDictionary.h>

@class NSManagedObject, NSManagedObjectContext, NSString;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.4), ios(3.0))
@interface NSEntityDescription : NSObject <NSCoding, NSCopying, NSFastEnumeration>
+ (nullable NSEntityDescription *)entityForName:(NSString *)entityName
                         inManagedObjectContext:(NSManagedObjectContext *)context;
+ (__kindof NSManagedObject *)insertNewObjectForEntityForName:(NSString *)entityName
                                       inManagedObjectContext:(NSManagedObjectContext *)context;
@property (nullable, copy) NSString *name;
@property (null_resettable, copy) NSString *managedObjectClassName;
@property (getter=isAbstract) BOOL abstract;
@end

NS_ASSUME_NONNULL_END
