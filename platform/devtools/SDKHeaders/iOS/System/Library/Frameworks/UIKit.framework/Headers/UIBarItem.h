/* UIBarItem.h: the abstract item of bars (toolbar, navigation bar and tab bar items). */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIGeometry.h>
#import <UIKit/UIAppearance.h>
#import <UIKit/UIControl.h>

@class UIImage;

NS_ASSUME_NONNULL_BEGIN

@interface UIBarItem : NSObject <NSCoding, UIAppearance>
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nonatomic, getter=isEnabled) BOOL enabled;
@property (nullable, nonatomic, copy) NSString *title;
@property (nullable, nonatomic, strong) UIImage *image;
@property (nonatomic) UIEdgeInsets imageInsets;
@property (nonatomic) NSInteger tag;
- (void)setTitleTextAttributes:(nullable NSDictionary<NSAttributedStringKey, id> *)attributes
                      forState:(UIControlState)state API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
@end

NS_ASSUME_NONNULL_END
