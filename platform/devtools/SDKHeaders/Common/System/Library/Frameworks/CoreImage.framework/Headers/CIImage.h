/*
 * CIImage.h: the images of Core Image: recipes made from Core Graphics images, data, colours and filters, which a
 * context renders; transformed, cropped, composited and oriented without being drawn.
 */
#import <CoreImage/CoreImageDefines.h>
#import <CoreImage/CIColor.h>
#import <ImageIO/CGImageProperties.h>

@class CIFilter;

NS_ASSUME_NONNULL_BEGIN

typedef int CIFormat;
CORE_IMAGE_EXPORT CIFormat kCIFormatARGB8 API_AVAILABLE(macos(10.4), ios(6.0));
CORE_IMAGE_EXPORT CIFormat kCIFormatBGRA8 API_AVAILABLE(macos(10.4), ios(5.0));
CORE_IMAGE_EXPORT CIFormat kCIFormatRGBA8 API_AVAILABLE(macos(10.4), ios(5.0));
CORE_IMAGE_EXPORT CIFormat kCIFormatABGR8 API_AVAILABLE(macos(10.11), ios(9.0));
CORE_IMAGE_EXPORT CIFormat kCIFormatRGBAh API_AVAILABLE(macos(10.4), ios(6.0));
CORE_IMAGE_EXPORT CIFormat kCIFormatRGBA16 API_AVAILABLE(macos(10.4), ios(10.0));
CORE_IMAGE_EXPORT CIFormat kCIFormatRGBAf API_AVAILABLE(macos(10.4), ios(7.0));
CORE_IMAGE_EXPORT CIFormat kCIFormatA8 API_AVAILABLE(macos(10.11), ios(9.0));
CORE_IMAGE_EXPORT CIFormat kCIFormatL8 API_AVAILABLE(macos(10.12), ios(10.0));

typedef NSString *CIImageOption NS_TYPED_ENUM;
CORE_IMAGE_EXPORT CIImageOption const kCIImageColorSpace;
CORE_IMAGE_EXPORT CIImageOption const kCIImageToneMapHDRtoSDR API_AVAILABLE(macos(11.0), ios(14.1));
CORE_IMAGE_EXPORT CIImageOption const kCIImageNearestSampling API_AVAILABLE(macos(10.13), ios(11.0));
CORE_IMAGE_EXPORT CIImageOption const kCIImageProperties API_AVAILABLE(macos(10.8), ios(5.0));
CORE_IMAGE_EXPORT CIImageOption const kCIImageApplyOrientationProperty API_AVAILABLE(macos(10.13), ios(11.0));
CORE_IMAGE_EXPORT CIImageOption const kCIImageExpandToHDR API_AVAILABLE(macos(14.0), ios(17.0));

API_AVAILABLE(macos(10.4), ios(5.0))
@interface CIImage : NSObject <NSSecureCoding, NSCopying>
+ (CIImage *)imageWithCGImage:(CGImageRef)image;
+ (CIImage *)imageWithCGImage:(CGImageRef)image options:(nullable NSDictionary<CIImageOption, id> *)options;
+ (CIImage *)imageWithBitmapData:(NSData *)data
                     bytesPerRow:(size_t)bytesPerRow
                            size:(CGSize)size
                          format:(CIFormat)format
                      colorSpace:(nullable CGColorSpaceRef)colorSpace;
+ (nullable CIImage *)imageWithData:(NSData *)data;
+ (nullable CIImage *)imageWithData:(NSData *)data options:(nullable NSDictionary<CIImageOption, id> *)options;
+ (nullable CIImage *)imageWithContentsOfURL:(NSURL *)url;
+ (nullable CIImage *)imageWithContentsOfURL:(NSURL *)url options:(nullable NSDictionary<CIImageOption, id> *)options;
+ (CIImage *)imageWithColor:(CIColor *)color;
+ (CIImage *)emptyImage;
@property (class, strong, readonly) CIImage *blackImage API_AVAILABLE(macos(10.15), ios(13.0));
@property (class, strong, readonly) CIImage *whiteImage API_AVAILABLE(macos(10.15), ios(13.0));
@property (class, strong, readonly) CIImage *clearImage API_AVAILABLE(macos(10.15), ios(13.0));

- (instancetype)initWithCGImage:(CGImageRef)image;
- (instancetype)initWithCGImage:(CGImageRef)image options:(nullable NSDictionary<CIImageOption, id> *)options;
- (nullable instancetype)initWithData:(NSData *)data;
- (nullable instancetype)initWithData:(NSData *)data options:(nullable NSDictionary<CIImageOption, id> *)options;
- (instancetype)initWithBitmapData:(NSData *)data
                       bytesPerRow:(size_t)bytesPerRow
                              size:(CGSize)size
                            format:(CIFormat)format
                        colorSpace:(nullable CGColorSpaceRef)colorSpace;
- (nullable instancetype)initWithContentsOfURL:(NSURL *)url;
- (nullable instancetype)initWithContentsOfURL:(NSURL *)url options:(nullable NSDictionary<CIImageOption, id> *)options;
- (instancetype)initWithColor:(CIColor *)color;

- (CIImage *)imageByApplyingTransform:(CGAffineTransform)matrix;
- (CIImage *)imageByApplyingOrientation:(int)orientation API_AVAILABLE(macos(10.10), ios(8.0));
- (CGAffineTransform)imageTransformForOrientation:(int)orientation API_AVAILABLE(macos(10.10), ios(8.0));
- (CIImage *)imageByApplyingCGOrientation:(CGImagePropertyOrientation)orientation API_AVAILABLE(macos(10.13), ios(11.0));
- (CGAffineTransform)imageTransformForCGOrientation:(CGImagePropertyOrientation)orientation
    API_AVAILABLE(macos(10.13), ios(11.0));
- (CIImage *)imageByCompositingOverImage:(CIImage *)dest API_AVAILABLE(macos(10.4), ios(8.0));
- (CIImage *)imageByCroppingToRect:(CGRect)rect;
- (CIImage *)imageByClampingToExtent API_AVAILABLE(macos(10.10), ios(8.0));
- (CIImage *)imageByClampingToRect:(CGRect)rect API_AVAILABLE(macos(10.12), ios(10.0));
- (CIImage *)imageByApplyingFilter:(NSString *)filterName
               withInputParameters:(nullable NSDictionary<NSString *, id> *)params API_AVAILABLE(macos(10.10), ios(8.0));
- (CIImage *)imageByApplyingFilter:(NSString *)filterName API_AVAILABLE(macos(10.13), ios(11.0));
- (CIImage *)imageBySettingAlphaOneInExtent:(CGRect)extent API_AVAILABLE(macos(10.12), ios(10.0));
- (CIImage *)imageByApplyingGaussianBlurWithSigma:(double)sigma API_AVAILABLE(macos(10.12), ios(10.0));
- (CIImage *)imageBySettingProperties:(NSDictionary *)properties API_AVAILABLE(macos(10.12), ios(10.0));
- (CIImage *)imageBySamplingLinear API_AVAILABLE(macos(10.13), ios(11.0));
- (CIImage *)imageBySamplingNearest API_AVAILABLE(macos(10.13), ios(11.0));
- (CIImage *)imageByInsertingIntermediate API_AVAILABLE(macos(10.14), ios(12.0));
- (CIImage *)imageByUnpremultiplyingAlpha API_AVAILABLE(macos(10.12), ios(10.0));
- (CIImage *)imageByPremultiplyingAlpha API_AVAILABLE(macos(10.12), ios(10.0));

@property (readonly) CGRect extent;
@property (readonly) NSDictionary<NSString *, id> *properties API_AVAILABLE(macos(10.8), ios(5.0));
@property (readonly, nullable) NSURL *url API_AVAILABLE(macos(10.4), ios(9.0));
@property (readonly, nullable) CGColorSpaceRef colorSpace API_AVAILABLE(macos(10.4), ios(9.0)) CF_RETURNS_NOT_RETAINED;
@property (nonatomic, readonly, nullable) CGImageRef CGImage API_AVAILABLE(macos(10.12), ios(10.0));
@property (nonatomic, readonly, getter=isOpaque) BOOL opaque API_AVAILABLE(macos(14.0), ios(17.0));
@end

NS_ASSUME_NONNULL_END
