/* UIGraphicsImageRenderer.h: drawing into images, PNG and JPEG data, with the scale and range of the result. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIGraphicsRenderer.h>

@class UIImage, UITraitCollection;

NS_ASSUME_NONNULL_BEGIN

#if defined(__BLOCKS__)
@class UIGraphicsImageRendererContext;
typedef void (^UIGraphicsImageDrawingActions)(UIGraphicsImageRendererContext *rendererContext) API_AVAILABLE(ios(10.0));
#endif

typedef NS_ENUM(NSInteger, UIGraphicsImageRendererFormatRange) {
    UIGraphicsImageRendererFormatRangeUnspecified = -1,
    UIGraphicsImageRendererFormatRangeAutomatic = 0,
    UIGraphicsImageRendererFormatRangeExtended,
    UIGraphicsImageRendererFormatRangeStandard
} API_AVAILABLE(ios(12.0));

API_AVAILABLE(ios(10.0))
@interface UIGraphicsImageRendererFormat : UIGraphicsRendererFormat
@property (nonatomic) CGFloat scale;
@property (nonatomic) BOOL opaque;
@property (nonatomic) BOOL prefersExtendedRange API_DEPRECATED_WITH_REPLACEMENT("preferredRange", ios(10.0, 12.0));
@property (nonatomic) UIGraphicsImageRendererFormatRange preferredRange API_AVAILABLE(ios(12.0));
@property (nonatomic, readonly) BOOL supportsHighDynamicRange API_AVAILABLE(ios(17.0));
+ (instancetype)formatForTraitCollection:(UITraitCollection *)traitCollection API_AVAILABLE(ios(11.0));
@end

API_AVAILABLE(ios(10.0))
@interface UIGraphicsImageRendererContext : UIGraphicsRendererContext
@property (nonatomic, readonly) UIImage *currentImage;
@end

API_AVAILABLE(ios(10.0))
@interface UIGraphicsImageRenderer : UIGraphicsRenderer
- (instancetype)initWithSize:(CGSize)size;
- (instancetype)initWithSize:(CGSize)size format:(UIGraphicsImageRendererFormat *)format;
- (instancetype)initWithBounds:(CGRect)bounds format:(UIGraphicsImageRendererFormat *)format NS_DESIGNATED_INITIALIZER;
#if defined(__BLOCKS__)
- (UIImage *)imageWithActions:(NS_NOESCAPE UIGraphicsImageDrawingActions)actions;
- (NSData *)PNGDataWithActions:(NS_NOESCAPE UIGraphicsImageDrawingActions)actions;
- (NSData *)JPEGDataWithCompressionQuality:(CGFloat)compressionQuality
                                   actions:(NS_NOESCAPE UIGraphicsImageDrawingActions)actions;
#endif
@end

NS_ASSUME_NONNULL_END
