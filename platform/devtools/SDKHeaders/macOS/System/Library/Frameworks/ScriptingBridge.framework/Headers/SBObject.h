/* SBObject.h: objects of a scriptable application, reached through Apple events. */
#import <Foundation/Foundation.h>
#include <MacTypes.h>

@class SBElementArray;

NS_ASSUME_NONNULL_BEGIN

typedef FourCharCode DescType;
typedef FourCharCode AEKeyword;

@interface SBObject : NSObject <NSCoding>
- (instancetype)init;
- (instancetype)initWithProperties:(NSDictionary *)properties;
- (instancetype)initWithData:(id)data;
- (nullable id)get;
@property (nullable, readonly, copy) NSError *lastError API_AVAILABLE(macos(10.6));
@end

@interface SBObject (SBGlueInterface)
- (instancetype)initWithElementCode:(DescType)code properties:(nullable NSDictionary<NSString *, id> *)properties
                               data:(nullable id)data;
- (SBObject *)propertyWithCode:(AEKeyword)code;
- (SBObject *)propertyWithClass:(Class)cls code:(AEKeyword)code;
- (SBElementArray *)elementArrayWithCode:(DescType)code;
- (nullable id)sendEvent:(DescType)eventClass id:(DescType)eventID parameters:(DescType)firstParamCode, ...;
- (void)setTo:(nullable id)value;
@end

NS_ASSUME_NONNULL_END
