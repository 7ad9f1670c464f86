/* HMHome.h: one home of the user. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(8.0)) API_UNAVAILABLE(macos)
@interface HMHome : NSObject
- (instancetype)init NS_UNAVAILABLE;
@property (readonly, copy, nonatomic) NSString *name;
@property (readonly, getter=isPrimary, nonatomic) BOOL primary;
@property (readonly, copy, nonatomic) NSUUID *uniqueIdentifier API_AVAILABLE(ios(9.0));
@end

NS_ASSUME_NONNULL_END
