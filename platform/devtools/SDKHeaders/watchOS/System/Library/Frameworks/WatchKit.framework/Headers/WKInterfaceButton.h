/* WKInterfaceButton.h: a button of a watchOS interface. */
#import <Foundation/Foundation.h>
#import <WatchKit/WKDefines.h>
#import <WatchKit/WKInterfaceObject.h>

@class UIImage, UIColor, WKInterfaceGroup;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios)
@interface WKInterfaceButton : WKInterfaceObject
- (void)setTitle:(nullable NSString *)title;
- (void)setAttributedTitle:(nullable NSAttributedString *)attributedTitle;
- (void)setBackgroundColor:(nullable UIColor *)color;
- (void)setBackgroundImage:(nullable UIImage *)image;
- (void)setBackgroundImageData:(nullable NSData *)imageData;
- (void)setBackgroundImageNamed:(nullable NSString *)imageName;
- (void)setEnabled:(BOOL)enabled;
@end

NS_ASSUME_NONNULL_END
