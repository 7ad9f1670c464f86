/* UIImage.h: images: from the asset catalogue or bundle by name, from files and data; sizes and rendering modes. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIColor.h>
#import <UIKit/UIGeometry.h>

@class UITraitCollection, UIImageConfiguration;

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
+ (UIImage *)imageWithCGImage:(CGImageRef)cgImage scale:(CGFloat)scale orientation:(UIImageOrientation)orientation;

- (nullable instancetype)initWithContentsOfFile:(NSString *)path;
- (nullable instancetype)initWithData:(NSData *)data;
- (nullable instancetype)initWithData:(NSData *)data scale:(CGFloat)scale API_AVAILABLE(ios(6.0));
- (instancetype)initWithCGImage:(CGImageRef)cgImage;

@property (nonatomic, readonly) CGSize size;
@property (nullable, nonatomic, readonly) CGImageRef CGImage;
- (nullable CGImageRef)CGImage NS_RETURNS_INNER_POINTER CF_RETURNS_NOT_RETAINED;
@property (nonatomic, readonly) UIImageOrientation imageOrientation;
@property (nonatomic, readonly) CGFloat scale API_AVAILABLE(ios(4.0));
@property (nullable, nonatomic, readonly) NSArray<UIImage *> *images API_AVAILABLE(ios(5.0));
@property (nonatomic, readonly) NSTimeInterval duration API_AVAILABLE(ios(5.0));
@property (nonatomic, readonly) UIEdgeInsets capInsets API_AVAILABLE(ios(5.0));
@property (nonatomic, readonly) UIImageRenderingMode renderingMode API_AVAILABLE(ios(7.0));

+ (nullable UIImage *)animatedImageNamed:(NSString *)name duration:(NSTimeInterval)duration API_AVAILABLE(ios(5.0));
+ (nullable UIImage *)animatedImageWithImages:(NSArray<UIImage *> *)images
                                     duration:(NSTimeInterval)duration API_AVAILABLE(ios(5.0));

- (void)drawAtPoint:(CGPoint)point;
- (void)drawInRect:(CGRect)rect;
- (UIImage *)resizableImageWithCapInsets:(UIEdgeInsets)capInsets API_AVAILABLE(ios(5.0));
- (UIImage *)resizableImageWithCapInsets:(UIEdgeInsets)capInsets
                            resizingMode:(UIImageResizingMode)resizingMode API_AVAILABLE(ios(6.0));
- (UIImage *)imageWithRenderingMode:(UIImageRenderingMode)renderingMode API_AVAILABLE(ios(7.0));
- (UIImage *)imageWithTintColor:(UIColor *)color API_AVAILABLE(ios(13.0));
- (UIImage *)imageWithTintColor:(UIColor *)color renderingMode:(UIImageRenderingMode)renderingMode
    API_AVAILABLE(ios(13.0));

@end

UIKIT_EXTERN NSData *_Nullable UIImagePNGRepresentation(UIImage *image);
UIKIT_EXTERN NSData *_Nullable UIImageJPEGRepresentation(UIImage *image, CGFloat compressionQuality);

NS_ASSUME_NONNULL_END
