/* UIStringDrawing.h: the font-based string measuring and drawing of iOS 2 to 6, replaced by the attribute-based
 * calls of NSStringDrawing in iOS 7. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/NSParagraphStyle.h>
#import <UIKit/NSText.h>

@class UIFont;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIBaselineAdjustment) {
    UIBaselineAdjustmentAlignBaselines = 0,
    UIBaselineAdjustmentAlignCenters,
    UIBaselineAdjustmentNone,
};

@interface NSString (UIStringDrawing)
- (CGSize)sizeWithFont:(UIFont *)font API_DEPRECATED("Use -sizeWithAttributes:", ios(2.0, 7.0)) API_UNAVAILABLE(tvos);
- (CGSize)sizeWithFont:(UIFont *)font
              forWidth:(CGFloat)width
         lineBreakMode:(NSLineBreakMode)lineBreakMode
    API_DEPRECATED("Use -boundingRectWithSize:options:attributes:context:", ios(2.0, 7.0)) API_UNAVAILABLE(tvos);
- (CGSize)drawAtPoint:(CGPoint)point
             withFont:(UIFont *)font API_DEPRECATED("Use -drawAtPoint:withAttributes:", ios(2.0, 7.0))
        API_UNAVAILABLE(tvos);
- (CGSize)drawAtPoint:(CGPoint)point
             forWidth:(CGFloat)width
             withFont:(UIFont *)font
        lineBreakMode:(NSLineBreakMode)lineBreakMode
    API_DEPRECATED("Use -drawInRect:withAttributes:", ios(2.0, 7.0)) API_UNAVAILABLE(tvos);
- (CGSize)sizeWithFont:(UIFont *)font
     constrainedToSize:(CGSize)size
    API_DEPRECATED("Use -boundingRectWithSize:options:attributes:context:", ios(2.0, 7.0)) API_UNAVAILABLE(tvos);
- (CGSize)sizeWithFont:(UIFont *)font
     constrainedToSize:(CGSize)size
         lineBreakMode:(NSLineBreakMode)lineBreakMode
    API_DEPRECATED("Use -boundingRectWithSize:options:attributes:context:", ios(2.0, 7.0)) API_UNAVAILABLE(tvos);
- (CGSize)drawInRect:(CGRect)rect
            withFont:(UIFont *)font API_DEPRECATED("Use -drawInRect:withAttributes:", ios(2.0, 7.0))
        API_UNAVAILABLE(tvos);
- (CGSize)drawInRect:(CGRect)rect
            withFont:(UIFont *)font
       lineBreakMode:(NSLineBreakMode)lineBreakMode
    API_DEPRECATED("Use -drawInRect:withAttributes:", ios(2.0, 7.0)) API_UNAVAILABLE(tvos);
- (CGSize)drawInRect:(CGRect)rect
            withFont:(UIFont *)font
       lineBreakMode:(NSLineBreakMode)lineBreakMode
           alignment:(NSTextAlignment)alignment
    API_DEPRECATED("Use -drawInRect:withAttributes:", ios(2.0, 7.0)) API_UNAVAILABLE(tvos);
- (CGSize)sizeWithFont:(UIFont *)font
           minFontSize:(CGFloat)minFontSize
        actualFontSize:(nullable CGFloat *)actualFontSize
              forWidth:(CGFloat)width
         lineBreakMode:(NSLineBreakMode)lineBreakMode API_DEPRECATED("", ios(2.0, 7.0)) API_UNAVAILABLE(tvos);
@end

NS_ASSUME_NONNULL_END
