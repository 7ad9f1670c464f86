/* WebScriptObject.h: JavaScript objects of a legacy web view as seen from Objective-C, and what scripts may call. */
#import <Foundation/Foundation.h>
#import <JavaScriptCore/JavaScriptCore.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSObject (WebScripting)
+ (nullable NSString *)webScriptNameForSelector:(SEL)selector;
+ (BOOL)isSelectorExcludedFromWebScript:(SEL)selector;
+ (nullable NSString *)webScriptNameForKey:(const char *)name;
+ (BOOL)isKeyExcludedFromWebScript:(const char *)name;
- (nullable id)invokeUndefinedMethodFromWebScript:(NSString *)name withArguments:(NSArray *)arguments;
- (nullable id)invokeDefaultMethodWithArguments:(NSArray *)arguments;
- (void)finalizeForWebScript;
@end

API_DEPRECATED("No longer supported", macos(10.3, 10.14))
@interface WebScriptObject : NSObject
+ (BOOL)throwException:(NSString *)exceptionMessage;
- (JSObjectRef)JSObject;
- (nullable id)callWebScriptMethod:(NSString *)name withArguments:(nullable NSArray *)arguments;
- (nullable id)evaluateWebScript:(NSString *)script;
- (void)removeWebScriptKey:(NSString *)name;
- (NSString *)stringRepresentation;
- (nullable id)webScriptValueAtIndex:(unsigned)index;
- (void)setWebScriptValueAtIndex:(unsigned)index value:(nullable id)value;
- (void)setException:(NSString *)description;
- (nullable JSValue *)JSValue;
@end

@interface WebUndefined : NSObject <NSCoding, NSCopying>
+ (WebUndefined *)undefined;
@end

NS_ASSUME_NONNULL_END
