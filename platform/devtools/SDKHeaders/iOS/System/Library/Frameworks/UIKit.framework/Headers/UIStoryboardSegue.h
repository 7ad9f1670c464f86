/* UIStoryboardSegue.h: segues: transitions between the view controllers of a storyboard. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

@class UIViewController;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(5.0))
@interface UIStoryboardSegue : NSObject
#if defined(__BLOCKS__)
+ (instancetype)segueWithIdentifier:(nullable NSString *)identifier
                             source:(UIViewController *)source
                        destination:(UIViewController *)destination
                     performHandler:(void (^)(void))performHandler API_AVAILABLE(ios(6.0));
#endif
- (instancetype)initWithIdentifier:(nullable NSString *)identifier
                            source:(UIViewController *)source
                       destination:(UIViewController *)destination NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
@property (nullable, nonatomic, readonly) NSString *identifier;
@property (nonatomic, readonly) __kindof UIViewController *sourceViewController;
@property (nonatomic, readonly) __kindof UIViewController *destinationViewController;
- (void)perform;
@end

NS_ASSUME_NONNULL_END
