/* UIGraphics.h: the current graphics context, filling and framing rectangles, and the older image contexts. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>

@class UIImage;

NS_ASSUME_NONNULL_BEGIN

UIKIT_EXTERN CGContextRef _Nullable UIGraphicsGetCurrentContext(void) CF_RETURNS_NOT_RETAINED;
UIKIT_EXTERN void UIGraphicsPushContext(CGContextRef context);
UIKIT_EXTERN void UIGraphicsPopContext(void);
UIKIT_EXTERN void UIRectFill(CGRect rect);
UIKIT_EXTERN void UIRectFrame(CGRect rect);

UIKIT_EXTERN void UIGraphicsBeginImageContext(CGSize size)
    API_DEPRECATED("Use UIGraphicsImageRenderer instead", ios(2.0, 17.0));
UIKIT_EXTERN void UIGraphicsBeginImageContextWithOptions(CGSize size, BOOL opaque, CGFloat scale)
    API_DEPRECATED("Use UIGraphicsImageRenderer instead", ios(4.0, 17.0));
UIKIT_EXTERN UIImage *_Nullable UIGraphicsGetImageFromCurrentImageContext(void)
    API_DEPRECATED("Use UIGraphicsImageRenderer instead", ios(2.0, 17.0));
UIKIT_EXTERN void UIGraphicsEndImageContext(void) API_DEPRECATED("Use UIGraphicsImageRenderer instead", ios(2.0, 17.0));

NS_ASSUME_NONNULL_END
