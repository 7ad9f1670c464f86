/* UITextView.h: scrollable, multi-line, optionally editable text views and their delegate. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIScrollView.h>
#import <UIKit/UITextInputTraits.h>
#import <UIKit/NSText.h>

@class UIFont, UIColor, UITextView;

NS_ASSUME_NONNULL_BEGIN

@protocol UITextViewDelegate <NSObject, UIScrollViewDelegate>
@optional
- (BOOL)textViewShouldBeginEditing:(UITextView *)textView;
- (BOOL)textViewShouldEndEditing:(UITextView *)textView;
- (void)textViewDidBeginEditing:(UITextView *)textView;
- (void)textViewDidEndEditing:(UITextView *)textView;
- (BOOL)textView:(UITextView *)textView shouldChangeTextInRange:(NSRange)range replacementText:(NSString *)text;
- (void)textViewDidChange:(UITextView *)textView;
- (void)textViewDidChangeSelection:(UITextView *)textView;
@end

@interface UITextView : UIScrollView <UITextInputTraits>
@property (nullable, nonatomic, weak) id<UITextViewDelegate> delegate;
@property (null_resettable, nonatomic, copy) NSString *text;
@property (nullable, nonatomic, strong) UIFont *font;
@property (nullable, nonatomic, strong) UIColor *textColor;
@property (nonatomic) NSTextAlignment textAlignment;
@property (nonatomic) NSRange selectedRange;
@property (nonatomic, getter=isEditable) BOOL editable;
@property (nonatomic, getter=isSelectable) BOOL selectable API_AVAILABLE(ios(7.0));
@property (null_resettable, copy) NSAttributedString *attributedText API_AVAILABLE(ios(6.0));
@property (nonatomic) UIEdgeInsets textContainerInset API_AVAILABLE(ios(7.0));
- (void)scrollRangeToVisible:(NSRange)range;
@end

UIKIT_EXTERN NSNotificationName const UITextViewTextDidChangeNotification;

NS_ASSUME_NONNULL_END
