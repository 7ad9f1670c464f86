/* UIResponder.h: responders: the chain that events, actions and first-responder status travel along. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIEvent.h>

@class UIView;

NS_ASSUME_NONNULL_BEGIN

@interface UIResponder : NSObject

@property (nonatomic, readonly, nullable) UIResponder *nextResponder;
@property (nonatomic, readonly) BOOL canBecomeFirstResponder;
- (BOOL)becomeFirstResponder;
@property (nonatomic, readonly) BOOL canResignFirstResponder;
- (BOOL)resignFirstResponder;
@property (nonatomic, readonly) BOOL isFirstResponder;

- (void)touchesBegan:(NSSet<UITouch *> *)touches withEvent:(nullable UIEvent *)event;
- (void)touchesMoved:(NSSet<UITouch *> *)touches withEvent:(nullable UIEvent *)event;
- (void)touchesEnded:(NSSet<UITouch *> *)touches withEvent:(nullable UIEvent *)event;
- (void)touchesCancelled:(NSSet<UITouch *> *)touches withEvent:(nullable UIEvent *)event;
- (void)motionBegan:(UIEventSubtype)motion withEvent:(nullable UIEvent *)event API_AVAILABLE(ios(3.0));
- (void)motionEnded:(UIEventSubtype)motion withEvent:(nullable UIEvent *)event API_AVAILABLE(ios(3.0));

- (BOOL)canPerformAction:(SEL)action withSender:(nullable id)sender API_AVAILABLE(ios(3.0));
- (nullable id)targetForAction:(SEL)action withSender:(nullable id)sender API_AVAILABLE(ios(7.0));

@property (nullable, nonatomic, readonly, strong) UIView *inputView API_AVAILABLE(ios(3.2));
@property (nullable, nonatomic, readonly, strong) UIView *inputAccessoryView API_AVAILABLE(ios(3.2));
- (void)reloadInputViews API_AVAILABLE(ios(3.2));

@end

NS_ASSUME_NONNULL_END
