/* WKInterfaceGroup.h: a container that lays out other objects of a watchOS interface. */
#import <Foundation/Foundation.h>
#import <UIKit/UIGeometry.h>
#import <WatchKit/WKDefines.h>
#import <WatchKit/WKInterfaceObject.h>
#import <WatchKit/WKInterfaceImage.h>

@class UIImage, UIColor;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios)
@interface WKInterfaceGroup : WKInterfaceObject <WKImageAnimatable>
- (void)setCornerRadius:(CGFloat)cornerRadius;
- (void)setContentInset:(UIEdgeInsets)contentInset API_AVAILABLE(watchos(2.0));
- (void)setBackgroundColor:(nullable UIColor *)color;
- (void)setBackgroundImage:(nullable UIImage *)image;
- (void)setBackgroundImageData:(nullable NSData *)imageData;
- (void)setBackgroundImageNamed:(nullable NSString *)imageName;
@end

NS_ASSUME_NONNULL_END
