/* UIVisualEffect.h: the base class of the effects that a visual-effect view applies. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(8.0))
@interface UIVisualEffect : NSObject <NSCopying, NSSecureCoding>
@end

NS_ASSUME_NONNULL_END
