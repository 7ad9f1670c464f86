/* NSScriptCoercionHandler.h: the conversions of values between classes that scripting needs. */
#import <Foundation/NSObject.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSScriptCoercionHandler : NSObject
+ (NSScriptCoercionHandler *)sharedCoercionHandler;
- (nullable id)coerceValue:(id)value toClass:(Class)toClass;
- (void)registerCoercer:(id)coercer
               selector:(SEL)selector
     toConvertFromClass:(Class)fromClass
                toClass:(Class)toClass;
@end

NS_ASSUME_NONNULL_END
