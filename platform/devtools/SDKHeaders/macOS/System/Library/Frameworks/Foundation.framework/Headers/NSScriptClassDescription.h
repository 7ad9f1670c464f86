/* NSScriptClassDescription.h: a scriptable class as a suite declares it: its codes, keys and the commands it supports. */
#import <Foundation/NSClassDescription.h>

@class NSScriptCommandDescription;

NS_ASSUME_NONNULL_BEGIN

@interface NSScriptClassDescription : NSClassDescription
+ (nullable NSScriptClassDescription *)classDescriptionForClass:(Class)aClass;
- (nullable instancetype)initWithSuiteName:(NSString *)suiteName
                                 className:(NSString *)className
                                dictionary:(nullable NSDictionary *)classDeclaration NS_DESIGNATED_INITIALIZER;
@property (nullable, readonly, copy) NSString *suiteName;
@property (nullable, readonly, copy) NSString *className;
@property (nullable, readonly, copy) NSString *implementationClassName;
@property (nullable, readonly, retain) NSScriptClassDescription *superclassDescription;
@property (readonly) FourCharCode appleEventCode;
- (BOOL)matchesAppleEventCode:(FourCharCode)appleEventCode;
- (BOOL)supportsCommand:(NSScriptCommandDescription *)commandDescription;
- (nullable SEL)selectorForCommand:(NSScriptCommandDescription *)commandDescription;
- (nullable NSString *)typeForKey:(NSString *)key;
- (nullable NSScriptClassDescription *)classDescriptionForKey:(NSString *)key;
- (FourCharCode)appleEventCodeForKey:(NSString *)key;
- (nullable NSString *)keyWithAppleEventCode:(FourCharCode)appleEventCode;
@property (nullable, readonly, copy) NSString *defaultSubcontainerAttributeKey;
- (BOOL)isLocationRequiredToCreateForKey:(NSString *)toManyRelationshipKey;
- (BOOL)hasPropertyForKey:(NSString *)key API_AVAILABLE(macos(10.5));
- (BOOL)hasOrderedToManyRelationshipForKey:(NSString *)key API_AVAILABLE(macos(10.5));
- (BOOL)hasReadablePropertyForKey:(NSString *)key API_AVAILABLE(macos(10.5));
- (BOOL)hasWritablePropertyForKey:(NSString *)key API_AVAILABLE(macos(10.5));
@end

@interface NSObject (NSScriptClassDescription)
@property (readonly) FourCharCode classCode;
@property (readonly, copy) NSString *className;
@end

NS_ASSUME_NONNULL_END
