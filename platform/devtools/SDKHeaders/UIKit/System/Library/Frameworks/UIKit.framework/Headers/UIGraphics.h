/* UIGraphics.h: the current graphics context and drawing into images. */
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

API_AVAILABLE(ios(10.0))
@interface UIGraphicsImageRendererFormat : NSObject <NSCopying>
+ (instancetype)defaultFormat;
+ (instancetype)preferredFormat API_AVAILABLE(ios(11.0));
@property (nonatomic) CGFloat scale;
@property (nonatomic) BOOL opaque;
@end

API_AVAILABLE(ios(10.0))
@interface UIGraphicsImageRendererContext : NSObject
@property (nonatomic, readonly) CGContextRef CGContext;
@property (nonatomic, readonly) UIImage *currentImage;
- (void)fillRect:(CGRect)rect;
- (void)strokeRect:(CGRect)rect;
@end

#if defined(__BLOCKS__)
typedef void (^UIGraphicsImageDrawingActions)(UIGraphicsImageRendererContext *rendererContext) API_AVAILABLE(ios(10.0));
#endif

API_AVAILABLE(ios(10.0))
@interface UIGraphicsImageRenderer : NSObject
- (instancetype)initWithSize:(CGSize)size;
- (instancetype)initWithSize:(CGSize)size format:(UIGraphicsImageRendererFormat *)format;
- (instancetype)initWithBounds:(CGRect)bounds format:(UIGraphicsImageRendererFormat *)format;
#if defined(__BLOCKS__)
- (UIImage *)imageWithActions:(NS_NOESCAPE UIGraphicsImageDrawingActions)actions;
- (NSData *)PNGDataWithActions:(NS_NOESCAPE UIGraphicsImageDrawingActions)actions;
- (NSData *)JPEGDataWithCompressionQuality:(CGFloat)compressionQuality
                                   actions:(NS_NOESCAPE UIGraphicsImageDrawingActions)actions;
#endif
@end

NS_ASSUME_NONNULL_END
