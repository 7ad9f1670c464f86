/* NSScriptCommandDescription.h: a scripting command as a suite declares it: its codes, arguments and result type. */
#import <Foundation/NSObject.h>

@class NSArray<ObjectType>, NSDictionary<KeyType, ObjectType>, NSScriptCommand, NSString;

NS_ASSUME_NONNULL_BEGIN

@interface NSScriptCommandDescription : NSObject <NSCoding>
- (id)init NS_UNAVAILABLE;
- (nullable instancetype)initWithSuiteName:(NSString *)suiteName
                               commandName:(NSString *)commandName
                                dictionary:(nullable NSDictionary *)commandDeclaration NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)inCoder NS_DESIGNATED_INITIALIZER;
@property (readonly, copy) NSString *suiteName;
@property (readonly, copy) NSString *commandName;
@property (readonly) FourCharCode appleEventClassCode;
@property (readonly) FourCharCode appleEventCode;
@property (readonly, copy) NSString *commandClassName;
@property (nullable, readonly, copy) NSString *returnType;
@property (readonly) FourCharCode appleEventCodeForReturnType;
@property (readonly, copy) NSArray<NSString *> *argumentNames;
- (nullable NSString *)typeForArgumentWithName:(NSString *)argumentName;
- (FourCharCode)appleEventCodeForArgumentWithName:(NSString *)argumentName;
- (BOOL)isOptionalArgumentWithName:(NSString *)argumentName;
- (NSScriptCommand *)createCommandInstance;
- (NSScriptCommand *)createCommandInstanceWithZone:(nullable NSZone *)zone;
@end

NS_ASSUME_NONNULL_END
