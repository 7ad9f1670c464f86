/* NSClassDescription.h: what a class says about its attributes and relationships, for scripting and archiving. */
#import <Foundation/NSObject.h>
#import <Foundation/NSNotification.h>

@class NSArray<ObjectType>, NSDictionary<KeyType, ObjectType>, NSString;

NS_ASSUME_NONNULL_BEGIN

@interface NSClassDescription : NSObject
+ (void)registerClassDescription:(NSClassDescription *)description forClass:(Class)aClass;
+ (void)invalidateClassDescriptionCache;
+ (nullable NSClassDescription *)classDescriptionForClass:(Class)aClass;
@property (readonly, copy) NSArray<NSString *> *attributeKeys;
@property (readonly, copy) NSArray<NSString *> *toOneRelationshipKeys;
@property (readonly, copy) NSArray<NSString *> *toManyRelationshipKeys;
- (nullable NSString *)inverseForRelationshipKey:(NSString *)relationshipKey;
@end

@interface NSObject (NSClassDescriptionPrimitives)
@property (readonly, copy) NSClassDescription *classDescription;
@property (readonly, copy) NSArray<NSString *> *attributeKeys;
@property (readonly, copy) NSArray<NSString *> *toOneRelationshipKeys;
@property (readonly, copy) NSArray<NSString *> *toManyRelationshipKeys;
- (nullable NSString *)inverseForRelationshipKey:(NSString *)relationshipKey;
@end

FOUNDATION_EXPORT NSNotificationName NSClassDescriptionNeededForClassNotification;

NS_ASSUME_NONNULL_END
