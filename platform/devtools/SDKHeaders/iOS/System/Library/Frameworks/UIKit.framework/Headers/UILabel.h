/* UILabel.h: labels: read-only text with a font, colour, alignment and line count. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>
#import <UIKit/NSText.h>
#import <UIKit/NSParagraphStyle.h>

@class UIColor, UIFont;

NS_ASSUME_NONNULL_BEGIN

@interface UILabel : UIView
@property (nullable, nonatomic, copy) NSString *text;
@property (null_resettable, nonatomic, strong) UIFont *font;
@property (null_resettable, nonatomic, strong) UIColor *textColor;
@property (nullable, nonatomic, strong) UIColor *shadowColor;
@property (nonatomic) CGSize shadowOffset;
@property (nonatomic) NSTextAlignment textAlignment;
@property (nonatomic) NSLineBreakMode lineBreakMode;
@property (nullable, nonatomic, copy) NSAttributedString *attributedText API_AVAILABLE(ios(6.0));
@property (nullable, nonatomic, strong) UIColor *highlightedTextColor;
@property (nonatomic, getter=isHighlighted) BOOL highlighted;
@property (nonatomic, getter=isEnabled) BOOL enabled;
@property (nonatomic) NSInteger numberOfLines;
@property (nonatomic) BOOL adjustsFontSizeToFitWidth;
@property (nonatomic) CGFloat minimumScaleFactor API_AVAILABLE(ios(6.0));
@property (nonatomic) BOOL adjustsFontForContentSizeCategory API_AVAILABLE(ios(10.0));
@property (nonatomic) CGFloat preferredMaxLayoutWidth API_AVAILABLE(ios(6.0));
- (CGRect)textRectForBounds:(CGRect)bounds limitedToNumberOfLines:(NSInteger)numberOfLines;
- (void)drawTextInRect:(CGRect)rect;
@end

NS_ASSUME_NONNULL_END
