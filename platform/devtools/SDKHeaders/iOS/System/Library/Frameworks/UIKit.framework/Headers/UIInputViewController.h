/* UIInputViewController.h: custom keyboards and input views: the input view, its audio feedback and the controller
 * of a keyboard extension with its document proxy. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>
#import <UIKit/UIViewController.h>
#import <UIKit/UITextInput.h>

@class UITextInputMode;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIInputViewStyle) {
    UIInputViewStyleDefault,
    UIInputViewStyleKeyboard,
} API_AVAILABLE(ios(7.0));

API_AVAILABLE(ios(7.0))
@interface UIInputView : UIView
@property (nonatomic, readonly) UIInputViewStyle inputViewStyle;
@property (nonatomic, assign) BOOL allowsSelfSizing API_AVAILABLE(ios(9.0));
- (instancetype)initWithFrame:(CGRect)frame
               inputViewStyle:(UIInputViewStyle)inputViewStyle NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@end

/* Adopted by an input view that plays the keyboard click through UIDevice's playInputClick. */
@protocol UIInputViewAudioFeedback <NSObject>
@optional
@property (nonatomic, readonly) BOOL enableInputClicksWhenVisible;
@end

@protocol UITextDocumentProxy <UIKeyInput>
@property (nullable, nonatomic, readonly) NSString *documentContextBeforeInput;
@property (nullable, nonatomic, readonly) NSString *documentContextAfterInput;
@property (nullable, nonatomic, readonly) NSString *selectedText API_AVAILABLE(ios(11.0));
@property (nullable, nonatomic, readonly) UITextInputMode *documentInputMode API_AVAILABLE(ios(10.0));
@property (nonatomic, readonly, copy) NSUUID *documentIdentifier API_AVAILABLE(ios(11.0));
- (void)adjustTextPositionByCharacterOffset:(NSInteger)offset;
- (void)setMarkedText:(NSString *)markedText selectedRange:(NSRange)selectedRange API_AVAILABLE(ios(13.0));
- (void)unmarkText API_AVAILABLE(ios(13.0));
@end

API_AVAILABLE(ios(8.0))
@interface UIInputViewController : UIViewController <UITextInputDelegate>
@property (nullable, nonatomic, strong) UIInputView *inputView;
@property (nonatomic, readonly) NSObject<UITextDocumentProxy> *textDocumentProxy;
@property (nullable, nonatomic, copy) NSString *primaryLanguage;
@property (nonatomic) BOOL hasDictationKey API_AVAILABLE(ios(11.0));
@property (nonatomic, readonly) BOOL hasFullAccess API_AVAILABLE(ios(11.0));
@property (nonatomic, readonly) BOOL needsInputModeSwitchKey API_AVAILABLE(ios(11.0));
- (void)dismissKeyboard;
- (void)advanceToNextInputMode;
- (void)handleInputModeListFromView:(UIView *)view withEvent:(UIEvent *)event API_AVAILABLE(ios(10.0));
@end

NS_ASSUME_NONNULL_END
