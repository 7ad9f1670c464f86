/* NSNull.h: the singleton that stands for nil in collections, which cannot hold nil. */
#import <Foundation/NSObject.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSNull : NSObject <NSCopying, NSSecureCoding>
+ (NSNull *)null;
@end

NS_ASSUME_NONNULL_END
