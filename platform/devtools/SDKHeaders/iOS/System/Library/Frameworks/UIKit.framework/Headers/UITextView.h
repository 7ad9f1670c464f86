/* UITextView.h: scrollable, multi-line, optionally editable text views and their delegate. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIScrollView.h>
#import <UIKit/UITextInputTraits.h>
#import <UIKit/UITextInput.h>
#import <UIKit/NSText.h>
#import <UIKit/UIDataDetectors.h>

@class UIFont, UIColor, UITextView, NSTextContainer, NSLayoutManager, NSTextStorage, NSTextAttachment;

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
- (BOOL)textView:(UITextView *)textView
    shouldInteractWithURL:(NSURL *)URL
                  inRange:(NSRange)characterRange API_DEPRECATED("", ios(7.0, 10.0));
- (BOOL)textView:(UITextView *)textView
    shouldInteractWithURL:(NSURL *)URL
                  inRange:(NSRange)characterRange
              interaction:(NSInteger)interaction API_AVAILABLE(ios(10.0));
- (BOOL)textView:(UITextView *)textView
    shouldInteractWithTextAttachment:(NSTextAttachment *)textAttachment
                             inRange:(NSRange)characterRange API_DEPRECATED("", ios(7.0, 10.0));
@end

@interface UITextView : UIScrollView <UITextInput>
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
@property (nonatomic) UIDataDetectorTypes dataDetectorTypes API_AVAILABLE(ios(3.0));
@property (nonatomic) BOOL allowsEditingTextAttributes API_AVAILABLE(ios(6.0));
@property (nonatomic, copy) NSDictionary<NSAttributedStringKey, id> *typingAttributes API_AVAILABLE(ios(6.0));
@property (null_resettable, nonatomic, copy) NSDictionary<NSAttributedStringKey, id> *linkTextAttributes
    API_AVAILABLE(ios(7.0));
@property (nullable, nonatomic, readwrite, strong) UIView *inputView;
@property (nullable, nonatomic, readwrite, strong) UIView *inputAccessoryView;
@property (nonatomic) BOOL clearsOnInsertion API_AVAILABLE(ios(6.0));
- (instancetype)initWithFrame:(CGRect)frame textContainer:(nullable NSTextContainer *)textContainer
    NS_DESIGNATED_INITIALIZER API_AVAILABLE(ios(7.0));
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nonatomic, readonly) NSTextContainer *textContainer API_AVAILABLE(ios(7.0));
@property (nonatomic, readonly) NSLayoutManager *layoutManager API_AVAILABLE(ios(7.0));
@property (nonatomic, readonly, strong) NSTextStorage *textStorage API_AVAILABLE(ios(7.0));
@property (nonatomic) BOOL usesStandardTextScaling API_AVAILABLE(ios(13.0));
@property (nonatomic) BOOL adjustsFontForContentSizeCategory API_AVAILABLE(ios(10.0));
@end

UIKIT_EXTERN NSNotificationName const UITextViewTextDidBeginEditingNotification;
UIKIT_EXTERN NSNotificationName const UITextViewTextDidChangeNotification;
UIKIT_EXTERN NSNotificationName const UITextViewTextDidEndEditingNotification;

NS_ASSUME_NONNULL_END
