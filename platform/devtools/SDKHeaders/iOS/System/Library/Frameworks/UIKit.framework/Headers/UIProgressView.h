/* UIProgressView.h: a bar that shows the progress of a task, set directly or observed from an NSProgress. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>

@class UIImage, UIColor;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIProgressViewStyle) {
    UIProgressViewStyleDefault,
    UIProgressViewStyleBar API_UNAVAILABLE(tvos),
};

@interface UIProgressView : UIView <NSCoding>
- (instancetype)initWithFrame:(CGRect)frame NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithProgressViewStyle:(UIProgressViewStyle)style;
@property (nonatomic) UIProgressViewStyle progressViewStyle;
@property (nonatomic) float progress;
@property (nonatomic, strong, nullable) UIColor *progressTintColor API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
@property (nonatomic, strong, nullable) UIColor *trackTintColor API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
@property (nonatomic, strong, nullable) UIImage *progressImage API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
@property (nonatomic, strong, nullable) UIImage *trackImage API_AVAILABLE(ios(5.0)) UI_APPEARANCE_SELECTOR;
- (void)setProgress:(float)progress animated:(BOOL)animated API_AVAILABLE(ios(5.0));
@property (nonatomic, strong, nullable) NSProgress *observedProgress API_AVAILABLE(ios(9.0));
@end

NS_ASSUME_NONNULL_END
