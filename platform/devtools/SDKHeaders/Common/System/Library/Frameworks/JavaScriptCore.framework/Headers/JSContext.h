/* JSContext.h: JavaScript contexts and values as Objective-C objects, and the protocol that exports methods. */
#import <Foundation/Foundation.h>
#include <JavaScriptCore/JSBase.h>

@class JSValue, JSVirtualMachine;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.9), ios(7.0))
@interface JSVirtualMachine : NSObject
- (instancetype)init;
- (void)addManagedReference:(id)object withOwner:(id)owner;
- (void)removeManagedReference:(id)object withOwner:(id)owner;
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@interface JSContext : NSObject
- (instancetype)init;
- (instancetype)initWithVirtualMachine:(JSVirtualMachine *)virtualMachine;
- (JSValue *)evaluateScript:(NSString *)script;
- (JSValue *)evaluateScript:(NSString *)script withSourceURL:(nullable NSURL *)sourceURL API_AVAILABLE(macos(10.10), ios(8.0));
+ (nullable JSContext *)currentContext;
+ (nullable JSValue *)currentCallee API_AVAILABLE(macos(10.10), ios(8.0));
+ (nullable JSValue *)currentThis;
+ (nullable NSArray *)currentArguments;
@property (readonly, strong) JSValue *globalObject;
@property (nullable, strong) JSValue *exception;
@property (copy) void (^exceptionHandler)(JSContext *context, JSValue *exception);
@property (readonly, strong) JSVirtualMachine *virtualMachine;
@property (nullable, copy) NSString *name API_AVAILABLE(macos(10.10), ios(8.0));
@property (getter=isInspectable) BOOL inspectable API_AVAILABLE(macos(13.3), ios(16.4));
+ (JSContext *)contextWithJSGlobalContextRef:(JSGlobalContextRef)jsGlobalContextRef;
@property (readonly) JSGlobalContextRef JSGlobalContextRef;
- (JSValue *)objectForKeyedSubscript:(id)key;
- (void)setObject:(id)object forKeyedSubscript:(NSObject<NSCopying> *)key;
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@interface JSValue : NSObject
@property (readonly, strong) JSContext *context;
+ (JSValue *)valueWithObject:(id)value inContext:(JSContext *)context;
+ (JSValue *)valueWithBool:(BOOL)value inContext:(JSContext *)context;
+ (JSValue *)valueWithDouble:(double)value inContext:(JSContext *)context;
+ (JSValue *)valueWithInt32:(int32_t)value inContext:(JSContext *)context;
+ (JSValue *)valueWithNewObjectInContext:(JSContext *)context;
+ (JSValue *)valueWithNewArrayInContext:(JSContext *)context;
+ (JSValue *)valueWithNewErrorFromMessage:(NSString *)message inContext:(JSContext *)context;
+ (JSValue *)valueWithNullInContext:(JSContext *)context;
+ (JSValue *)valueWithUndefinedInContext:(JSContext *)context;
+ (JSValue *)valueWithJSValueRef:(JSValueRef)value inContext:(JSContext *)context;
@property (readonly) JSValueRef JSValueRef;
- (nullable id)toObject;
- (nullable id)toObjectOfClass:(Class)expectedClass;
- (BOOL)toBool;
- (double)toDouble;
- (int32_t)toInt32;
- (uint32_t)toUInt32;
- (nullable NSNumber *)toNumber;
- (nullable NSString *)toString;
- (nullable NSDate *)toDate;
- (nullable NSArray *)toArray;
- (nullable NSDictionary *)toDictionary;
@property (readonly) BOOL isUndefined;
@property (readonly) BOOL isNull;
@property (readonly) BOOL isBoolean;
@property (readonly) BOOL isNumber;
@property (readonly) BOOL isString;
@property (readonly) BOOL isObject;
@property (readonly) BOOL isArray API_AVAILABLE(macos(10.11), ios(9.0));
@property (readonly) BOOL isDate API_AVAILABLE(macos(10.11), ios(9.0));
- (BOOL)isEqualToObject:(id)value;
- (nullable JSValue *)callWithArguments:(nullable NSArray *)arguments;
- (nullable JSValue *)constructWithArguments:(nullable NSArray *)arguments;
- (nullable JSValue *)invokeMethod:(NSString *)method withArguments:(nullable NSArray *)arguments;
- (JSValue *)valueForProperty:(id)property;
- (void)setValue:(nullable id)value forProperty:(id)property;
- (BOOL)hasProperty:(id)property;
- (BOOL)deleteProperty:(id)property;
- (JSValue *)valueAtIndex:(NSUInteger)index;
- (void)setValue:(nullable id)value atIndex:(NSUInteger)index;
- (JSValue *)objectForKeyedSubscript:(id)key;
- (JSValue *)objectAtIndexedSubscript:(NSUInteger)index;
- (void)setObject:(nullable id)object forKeyedSubscript:(id)key;
- (void)setObject:(nullable id)object atIndexedSubscript:(NSUInteger)index;
@end

@protocol JSExport
@end

#define JSExportAs(PropertyName, Selector) \
    @optional Selector __JS_EXPORT_AS__##PropertyName : (id)argument; @required Selector

NS_ASSUME_NONNULL_END
