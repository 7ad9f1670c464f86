/* UIGraphicsRenderer.h: the base classes of the renderers that draw into images and PDF documents. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(10.0))
@interface UIGraphicsRendererFormat : NSObject <NSCopying>
+ (instancetype)defaultFormat API_DEPRECATED_WITH_REPLACEMENT("+preferredFormat", ios(10.0, 11.0));
+ (instancetype)preferredFormat API_AVAILABLE(ios(11.0));
@property (nonatomic, readonly) CGRect bounds;
@end

API_AVAILABLE(ios(10.0))
@interface UIGraphicsRendererContext : NSObject
@property (nonatomic, readonly) CGContextRef CGContext;
@property (nonatomic, readonly) __kindof UIGraphicsRendererFormat *format;
- (void)fillRect:(CGRect)rect;
- (void)fillRect:(CGRect)rect blendMode:(CGBlendMode)blendMode;
- (void)strokeRect:(CGRect)rect;
- (void)strokeRect:(CGRect)rect blendMode:(CGBlendMode)blendMode;
- (void)clipToRect:(CGRect)rect;
@end

API_AVAILABLE(ios(10.0))
@interface UIGraphicsRenderer : NSObject
- (instancetype)initWithBounds:(CGRect)bounds;
- (instancetype)initWithBounds:(CGRect)bounds format:(UIGraphicsRendererFormat *)format NS_DESIGNATED_INITIALIZER;
@property (nonatomic, readonly) __kindof UIGraphicsRendererFormat *format;
@property (nonatomic, readonly) BOOL allowsImageOutput;
@end

NS_ASSUME_NONNULL_END
