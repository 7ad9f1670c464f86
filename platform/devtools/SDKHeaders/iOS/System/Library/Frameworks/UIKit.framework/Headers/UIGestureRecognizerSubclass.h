/* UIGestureRecognizerSubclass.h: what a gesture recogniser subclass sets and overrides: a writable state, reset,
 * the touch and press callbacks and the failure requirements between recognisers. */
#import <UIKit/UIGestureRecognizer.h>

NS_ASSUME_NONNULL_BEGIN

@interface UIGestureRecognizer (UIGestureRecognizerProtected)
@property (nonatomic, readwrite) UIGestureRecognizerState state;
- (void)ignoreTouch:(UITouch *)touch forEvent:(UIEvent *)event;
- (void)ignorePress:(UIPress *)button forEvent:(UIPressesEvent *)event API_AVAILABLE(ios(9.0));
- (void)reset NS_REQUIRES_SUPER;
- (BOOL)canPreventGestureRecognizer:(UIGestureRecognizer *)preventedGestureRecognizer;
- (BOOL)canBePreventedByGestureRecognizer:(UIGestureRecognizer *)preventingGestureRecognizer;
- (BOOL)shouldRequireFailureOfGestureRecognizer:(UIGestureRecognizer *)otherGestureRecognizer API_AVAILABLE(ios(7.0));
- (BOOL)shouldBeRequiredToFailByGestureRecognizer:(UIGestureRecognizer *)otherGestureRecognizer
    API_AVAILABLE(ios(7.0));
- (BOOL)shouldReceiveEvent:(UIEvent *)event NS_REQUIRES_SUPER API_AVAILABLE(ios(13.4));
- (void)touchesBegan:(NSSet<UITouch *> *)touches withEvent:(UIEvent *)event;
- (void)touchesMoved:(NSSet<UITouch *> *)touches withEvent:(UIEvent *)event;
- (void)touchesEnded:(NSSet<UITouch *> *)touches withEvent:(UIEvent *)event;
- (void)touchesCancelled:(NSSet<UITouch *> *)touches withEvent:(UIEvent *)event;
- (void)touchesEstimatedPropertiesUpdated:(NSSet<UITouch *> *)touches API_AVAILABLE(ios(9.1));
- (void)pressesBegan:(NSSet<UIPress *> *)presses withEvent:(UIPressesEvent *)event API_AVAILABLE(ios(9.0));
- (void)pressesChanged:(NSSet<UIPress *> *)presses withEvent:(UIPressesEvent *)event API_AVAILABLE(ios(9.0));
- (void)pressesEnded:(NSSet<UIPress *> *)presses withEvent:(UIPressesEvent *)event API_AVAILABLE(ios(9.0));
- (void)pressesCancelled:(NSSet<UIPress *> *)presses withEvent:(UIPressesEvent *)event API_AVAILABLE(ios(9.0));
@end

NS_ASSUME_NONNULL_END
