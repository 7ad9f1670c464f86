/* WKInterfaceLabel.h: a text of a watchOS interface. */
#import <Foundation/Foundation.h>
#import <WatchKit/WKDefines.h>
#import <WatchKit/WKInterfaceObject.h>

@class UIColor;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(watchos(2.0)) API_UNAVAILABLE(ios)
@interface WKInterfaceLabel : WKInterfaceObject
- (void)setText:(nullable NSString *)text;
- (void)setTextColor:(nullable UIColor *)color;
- (void)setAttributedText:(nullable NSAttributedString *)attributedText;
@end

NS_ASSUME_NONNULL_END
