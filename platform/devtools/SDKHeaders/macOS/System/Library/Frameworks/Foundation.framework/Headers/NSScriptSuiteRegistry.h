/* NSScriptSuiteRegistry.h: the scripting suites an application has loaded, with their classes and commands. */
#import <Foundation/NSObject.h>

@class NSArray<ObjectType>, NSBundle, NSData, NSDictionary<KeyType, ObjectType>, NSScriptClassDescription,
    NSScriptCommandDescription, NSString;

NS_ASSUME_NONNULL_BEGIN

@interface NSScriptSuiteRegistry : NSObject
+ (NSScriptSuiteRegistry *)sharedScriptSuiteRegistry;
+ (void)setSharedScriptSuiteRegistry:(NSScriptSuiteRegistry *)registry;
- (void)loadSuitesFromBundle:(NSBundle *)bundle;
- (void)loadSuiteWithDictionary:(NSDictionary *)suiteDeclaration fromBundle:(NSBundle *)bundle;
- (void)registerClassDescription:(NSScriptClassDescription *)classDescription;
- (void)registerCommandDescription:(NSScriptCommandDescription *)commandDescription;
@property (readonly, copy) NSArray<NSString *> *suiteNames;
- (FourCharCode)appleEventCodeForSuite:(NSString *)suiteName;
- (nullable NSBundle *)bundleForSuite:(NSString *)suiteName;
- (nullable NSDictionary<NSString *, NSScriptClassDescription *> *)classDescriptionsInSuite:(NSString *)suiteName;
- (nullable NSDictionary<NSString *, NSScriptCommandDescription *> *)commandDescriptionsInSuite:(NSString *)suiteName;
- (nullable NSString *)suiteForAppleEventCode:(FourCharCode)appleEventCode;
- (nullable NSScriptClassDescription *)classDescriptionWithAppleEventCode:(FourCharCode)appleEventCode;
- (nullable NSScriptCommandDescription *)commandDescriptionWithAppleEventClass:(FourCharCode)appleEventClassCode
                                                             andAppleEventCode:(FourCharCode)appleEventIDCode;
- (nullable NSData *)aeteResource:(NSString *)languageName;
@end

NS_ASSUME_NONNULL_END
