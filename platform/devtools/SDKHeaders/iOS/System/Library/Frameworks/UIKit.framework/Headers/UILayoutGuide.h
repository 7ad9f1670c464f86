/* UILayoutGuide.h: layout guides: rectangles that take part in Auto Layout without being views. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/NSLayoutAnchor.h>
#import <UIKit/UIView.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(9.0))
@interface UILayoutGuide : NSObject <NSCoding>
@property (nonatomic, readonly) CGRect layoutFrame;
@property (nonatomic, weak, nullable) UIView *owningView;
@property (nonatomic, copy) NSString *identifier;
@property (nonatomic, readonly, strong) NSLayoutXAxisAnchor *leadingAnchor;
@property (nonatomic, readonly, strong) NSLayoutXAxisAnchor *trailingAnchor;
@property (nonatomic, readonly, strong) NSLayoutXAxisAnchor *leftAnchor;
@property (nonatomic, readonly, strong) NSLayoutXAxisAnchor *rightAnchor;
@property (nonatomic, readonly, strong) NSLayoutYAxisAnchor *topAnchor;
@property (nonatomic, readonly, strong) NSLayoutYAxisAnchor *bottomAnchor;
@property (nonatomic, readonly, strong) NSLayoutDimension *widthAnchor;
@property (nonatomic, readonly, strong) NSLayoutDimension *heightAnchor;
@property (nonatomic, readonly, strong) NSLayoutXAxisAnchor *centerXAnchor;
@property (nonatomic, readonly, strong) NSLayoutYAxisAnchor *centerYAnchor;
@end

NS_ASSUME_NONNULL_END
