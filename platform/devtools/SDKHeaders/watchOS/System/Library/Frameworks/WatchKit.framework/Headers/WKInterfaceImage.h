/* WKInterfaceImage.h: an image of a watchOS interface, still or animated. */
#import <Foundation/Foundation.h>
#import <WatchKit/WKDefines.h>
#import <WatchKit/WKInterfaceObject.h>

@class UIImage, UIColor;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios)
@protocol WKImageAnimatable <NSObject>
- (void)startAnimating;
- (void)startAnimatingWithImagesInRange:(NSRange)imageRange
                               duration:(NSTimeInterval)duration
                            repeatCount:(NSInteger)repeatCount;
- (void)stopAnimating;
@end

API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios)
@interface WKInterfaceImage : WKInterfaceObject <WKImageAnimatable>
- (void)setImage:(nullable UIImage *)image;
- (void)setImageData:(nullable NSData *)imageData;
- (void)setImageNamed:(nullable NSString *)imageName;
- (void)setTintColor:(nullable UIColor *)tintColor;
@end

NS_ASSUME_NONNULL_END
