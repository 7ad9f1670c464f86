/* UIImage.h: images: from the asset catalogue or bundle by name, from files and data; sizes and rendering modes. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIColor.h>
#import <UIKit/UIGeometry.h>
#import <CoreImage/CIImage.h>

@class CIImage, UIGraphicsImageRendererFormat, UITraitCollection, UIImageConfiguration;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIImageOrientation) {
    UIImageOrientationUp,
    UIImageOrientationDown,
    UIImageOrientationLeft,
    UIImageOrientationRight,
    UIImageOrientationUpMirrored,
    UIImageOrientationDownMirrored,
    UIImageOrientationLeftMirrored,
    UIImageOrientationRightMirrored,
};

typedef NS_ENUM(NSInteger, UIImageResizingMode) {
    UIImageResizingModeTile = 0,
    UIImageResizingModeStretch = 1,
};

typedef NS_ENUM(NSInteger, UIImageRenderingMode) {
    UIImageRenderingModeAutomatic,
    UIImageRenderingModeAlwaysOriginal,
    UIImageRenderingModeAlwaysTemplate,
} API_AVAILABLE(ios(7.0));

typedef NS_ENUM(NSInteger, UIImageDynamicRange) {
    UIImageDynamicRangeUnspecified = -1,
    UIImageDynamicRangeStandard = 0,
    UIImageDynamicRangeConstrainedHigh = 1,
    UIImageDynamicRangeHigh = 2,
} API_AVAILABLE(ios(17.0), tvos(17.0), watchos(10.0));

@interface UIImage : NSObject <NSSecureCoding>

+ (nullable UIImage *)imageNamed:(NSString *)name;
+ (nullable UIImage *)imageNamed:(NSString *)name
                        inBundle:(nullable NSBundle *)bundle
   compatibleWithTraitCollection:(nullable UITraitCollection *)traitCollection API_AVAILABLE(ios(8.0));
+ (nullable UIImage *)systemImageNamed:(NSString *)name API_AVAILABLE(ios(13.0));
+ (nullable UIImage *)imageWithContentsOfFile:(NSString *)path;
+ (nullable UIImage *)imageWithData:(NSData *)data;
+ (nullable UIImage *)imageWithData:(NSData *)data scale:(CGFloat)scale API_AVAILABLE(ios(6.0));
+ (UIImage *)imageWithCGImage:(CGImageRef)cgImage;
+ (UIImage *)imageWithCGImage:(CGImageRef)cgImage scale:(CGFloat)scale orientation:(UIImageOrientation)orientation
    API_AVAILABLE(ios(4.0));
+ (UIImage *)imageWithCIImage:(CIImage *)ciImage API_AVAILABLE(ios(5.0));
+ (UIImage *)imageWithCIImage:(CIImage *)ciImage
                        scale:(CGFloat)scale
                  orientation:(UIImageOrientation)orientation API_AVAILABLE(ios(6.0));

- (nullable instancetype)initWithContentsOfFile:(NSString *)path;
- (nullable instancetype)initWithData:(NSData *)data;
- (nullable instancetype)initWithData:(NSData *)data scale:(CGFloat)scale API_AVAILABLE(ios(6.0));
- (instancetype)initWithCGImage:(CGImageRef)cgImage;
- (instancetype)initWithCGImage:(CGImageRef)cgImage
                          scale:(CGFloat)scale
                    orientation:(UIImageOrientation)orientation API_AVAILABLE(ios(4.0));
- (instancetype)initWithCIImage:(CIImage *)ciImage API_AVAILABLE(ios(5.0));
- (instancetype)initWithCIImage:(CIImage *)ciImage
                          scale:(CGFloat)scale
                    orientation:(UIImageOrientation)orientation API_AVAILABLE(ios(6.0));

@property (nonatomic, readonly) CGSize size;
@property (nullable, nonatomic, readonly) CGImageRef CGImage;
- (nullable CGImageRef)CGImage NS_RETURNS_INNER_POINTER CF_RETURNS_NOT_RETAINED;
@property (nullable, nonatomic, readonly) CIImage *CIImage API_AVAILABLE(ios(5.0));
@property (nonatomic, readonly) UIImageOrientation imageOrientation;
@property (nonatomic, readonly) CGFloat scale API_AVAILABLE(ios(4.0));
@property (nullable, nonatomic, readonly) NSArray<UIImage *> *images API_AVAILABLE(ios(5.0));
@property (nonatomic, readonly) NSTimeInterval duration API_AVAILABLE(ios(5.0));
@property (nonatomic, readonly) UIEdgeInsets capInsets API_AVAILABLE(ios(5.0));
@property (nonatomic, readonly) UIImageResizingMode resizingMode API_AVAILABLE(ios(6.0));
@property (nonatomic, readonly) UIImageRenderingMode renderingMode API_AVAILABLE(ios(7.0));
@property (nonatomic, readonly) UIEdgeInsets alignmentRectInsets API_AVAILABLE(ios(6.0));
@property (nonatomic, readonly) BOOL flipsForRightToLeftLayoutDirection API_AVAILABLE(ios(9.0));
@property (nonatomic, readonly, getter=isSymbolImage) BOOL symbolImage API_AVAILABLE(ios(13.0));
@property (nonatomic, readonly) BOOL isHighDynamicRange API_AVAILABLE(ios(17.0), tvos(17.0), watchos(10.0));
@property (nonatomic, readonly) UIGraphicsImageRendererFormat *imageRendererFormat
    API_AVAILABLE(ios(10.0)) API_UNAVAILABLE(watchos);
@property (nonatomic, readonly, copy) UITraitCollection *traitCollection API_AVAILABLE(ios(8.0));

+ (nullable UIImage *)animatedImageNamed:(NSString *)name duration:(NSTimeInterval)duration API_AVAILABLE(ios(5.0));
+ (nullable UIImage *)animatedImageWithImages:(NSArray<UIImage *> *)images
                                     duration:(NSTimeInterval)duration API_AVAILABLE(ios(5.0));

- (void)drawAtPoint:(CGPoint)point;
- (void)drawInRect:(CGRect)rect;
- (void)drawAtPoint:(CGPoint)point blendMode:(CGBlendMode)blendMode alpha:(CGFloat)alpha;
- (void)drawInRect:(CGRect)rect blendMode:(CGBlendMode)blendMode alpha:(CGFloat)alpha;
- (void)drawAsPatternInRect:(CGRect)rect;
- (UIImage *)resizableImageWithCapInsets:(UIEdgeInsets)capInsets API_AVAILABLE(ios(5.0));
- (UIImage *)resizableImageWithCapInsets:(UIEdgeInsets)capInsets
                            resizingMode:(UIImageResizingMode)resizingMode API_AVAILABLE(ios(6.0));
- (UIImage *)imageWithRenderingMode:(UIImageRenderingMode)renderingMode API_AVAILABLE(ios(7.0));
- (UIImage *)imageWithAlignmentRectInsets:(UIEdgeInsets)alignmentInsets API_AVAILABLE(ios(6.0));
- (UIImage *)imageFlippedForRightToLeftLayoutDirection API_AVAILABLE(ios(9.0));
- (UIImage *)imageWithHorizontallyFlippedOrientation API_AVAILABLE(ios(10.0));
- (UIImage *)imageByApplyingSymbolConfiguration:(UIImageConfiguration *)configuration API_AVAILABLE(ios(13.0));
- (UIImage *)imageRestrictedToStandardDynamicRange API_AVAILABLE(ios(17.0), tvos(17.0), watchos(10.0));
#if defined(__BLOCKS__)
- (nullable UIImage *)imageByPreparingForDisplay API_AVAILABLE(ios(15.0), tvos(15.0)) API_UNAVAILABLE(watchos);
- (void)prepareForDisplayWithCompletionHandler:(void (^)(UIImage *_Nullable))completionHandler
    API_AVAILABLE(ios(15.0), tvos(15.0)) API_UNAVAILABLE(watchos);
- (nullable UIImage *)imageByPreparingThumbnailOfSize:(CGSize)size API_AVAILABLE(ios(15.0), tvos(15.0))
    API_UNAVAILABLE(watchos);
- (void)prepareThumbnailOfSize:(CGSize)size
             completionHandler:(void (^)(UIImage *_Nullable))completionHandler API_AVAILABLE(ios(15.0), tvos(15.0))
    API_UNAVAILABLE(watchos);
#endif
- (UIImage *)imageWithTintColor:(UIColor *)color API_AVAILABLE(ios(13.0));
- (UIImage *)imageWithTintColor:(UIColor *)color renderingMode:(UIImageRenderingMode)renderingMode
    API_AVAILABLE(ios(13.0));

@end

UIKIT_EXTERN NSData *_Nullable UIImagePNGRepresentation(UIImage *image);
UIKIT_EXTERN NSData *_Nullable UIImageJPEGRepresentation(UIImage *image, CGFloat compressionQuality);
UIKIT_EXTERN void UIImageWriteToSavedPhotosAlbum(UIImage *image, __nullable id completionTarget,
                                               __nullable SEL completionSelector, void *_Nullable contextInfo)
    API_UNAVAILABLE(tvos, watchos);
UIKIT_EXTERN NSData *_Nullable UIImageHEICRepresentation(UIImage *image) API_AVAILABLE(ios(17.0), tvos(17.0), watchos(10.0));

@interface UIImage (UIImageDeprecated)
- (UIImage *)stretchableImageWithLeftCapWidth:(NSInteger)leftCapWidth
                                 topCapHeight:(NSInteger)topCapHeight API_DEPRECATED("use -resizableImageWithCapInsets:",
                                                                                     ios(2.0, 5.0));
@property (nonatomic, readonly) NSInteger leftCapWidth API_DEPRECATED("use capInsets", ios(2.0, 5.0));
@property (nonatomic, readonly) NSInteger topCapHeight API_DEPRECATED("use capInsets", ios(2.0, 5.0));
@end

@interface CIImage (UIKitAdditions)
- (nullable instancetype)initWithImage:(UIImage *)image API_AVAILABLE(ios(5.0)) API_UNAVAILABLE(watchos);
- (nullable instancetype)initWithImage:(UIImage *)image
                               options:(nullable NSDictionary<CIImageOption, id> *)options
    API_AVAILABLE(ios(5.0)) API_UNAVAILABLE(watchos);
@end

NS_ASSUME_NONNULL_END
