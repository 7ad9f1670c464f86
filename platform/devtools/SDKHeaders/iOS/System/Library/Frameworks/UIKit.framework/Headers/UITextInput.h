/* UITextInput.h: the text input system's view of an editable text: positions, ranges, selection, marked text,
 * geometry and tokenizing, and the classes that stand for positions, ranges and selection rectangles. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIResponder.h>
#import <UIKit/UITextInputTraits.h>
#import <UIKit/NSText.h>

@class UIView, UIColor, UIFont, UITextPosition, UITextRange, UITextSelectionRect;
@protocol UITextInputTokenizer, UITextInputDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UITextStorageDirection) {
    UITextStorageDirectionForward = 0,
    UITextStorageDirectionBackward
};

typedef NS_ENUM(NSInteger, UITextLayoutDirection) {
    UITextLayoutDirectionRight = 2,
    UITextLayoutDirectionLeft,
    UITextLayoutDirectionUp,
    UITextLayoutDirectionDown
};

typedef NSInteger UITextDirection;

typedef NS_ENUM(NSInteger, UITextWritingDirection) {
    UITextWritingDirectionNatural = -1,
    UITextWritingDirectionLeftToRight = 0,
    UITextWritingDirectionRightToLeft
} API_DEPRECATED_WITH_REPLACEMENT("NSWritingDirection", ios(2.0, 13.0));

typedef NS_ENUM(NSInteger, UITextGranularity) {
    UITextGranularityCharacter,
    UITextGranularityWord,
    UITextGranularitySentence,
    UITextGranularityParagraph,
    UITextGranularityLine,
    UITextGranularityDocument
};

typedef NS_ENUM(NSInteger, UITextAlternativeStyle) {
    UITextAlternativeStyleNone,
    UITextAlternativeStyleLowConfidence
} API_AVAILABLE(ios(16.0));

@interface UITextPosition : NSObject
@end

@interface UITextRange : NSObject
@property (nonatomic, readonly, getter=isEmpty) BOOL empty;
@property (nonatomic, readonly) UITextPosition *start;
@property (nonatomic, readonly) UITextPosition *end;
@end

@interface UITextSelectionRect : NSObject
@property (nonatomic, readonly) CGRect rect;
@property (nonatomic, readonly) NSWritingDirection writingDirection;
@property (nonatomic, readonly) BOOL containsStart;
@property (nonatomic, readonly) BOOL containsEnd;
@property (nonatomic, readonly) BOOL isVertical;
@end

@protocol UIKeyInput <UITextInputTraits>
@property (nonatomic, readonly) BOOL hasText;
- (void)insertText:(NSString *)text;
- (void)deleteBackward;
@end

@protocol UITextInput <UIKeyInput>
@required
- (nullable NSString *)textInRange:(UITextRange *)range;
- (void)replaceRange:(UITextRange *)range withText:(NSString *)text;
@property (nullable, readwrite, copy) UITextRange *selectedTextRange;
@property (nullable, nonatomic, readonly) UITextRange *markedTextRange;
@property (nullable, nonatomic, copy) NSDictionary<NSAttributedStringKey, id> *markedTextStyle;
- (void)setMarkedText:(nullable NSString *)markedText selectedRange:(NSRange)selectedRange;
- (void)unmarkText;
@property (nonatomic, readonly) UITextPosition *beginningOfDocument;
@property (nonatomic, readonly) UITextPosition *endOfDocument;
- (nullable UITextRange *)textRangeFromPosition:(UITextPosition *)fromPosition toPosition:(UITextPosition *)toPosition;
- (nullable UITextPosition *)positionFromPosition:(UITextPosition *)position offset:(NSInteger)offset;
- (nullable UITextPosition *)positionFromPosition:(UITextPosition *)position
                                      inDirection:(UITextLayoutDirection)direction
                                           offset:(NSInteger)offset;
- (NSComparisonResult)comparePosition:(UITextPosition *)position toPosition:(UITextPosition *)other;
- (NSInteger)offsetFromPosition:(UITextPosition *)from toPosition:(UITextPosition *)toPosition;
@property (nullable, nonatomic, weak) id<UITextInputDelegate> inputDelegate;
@property (nonatomic, readonly) id<UITextInputTokenizer> tokenizer;
- (nullable UITextPosition *)positionWithinRange:(UITextRange *)range
                             farthestInDirection:(UITextLayoutDirection)direction;
- (nullable UITextRange *)characterRangeByExtendingPosition:(UITextPosition *)position
                                                inDirection:(UITextLayoutDirection)direction;
- (NSWritingDirection)baseWritingDirectionForPosition:(UITextPosition *)position
                                          inDirection:(UITextStorageDirection)direction;
- (void)setBaseWritingDirection:(NSWritingDirection)writingDirection forRange:(UITextRange *)range;
- (CGRect)firstRectForRange:(UITextRange *)range;
- (CGRect)caretRectForPosition:(UITextPosition *)position;
- (NSArray<UITextSelectionRect *> *)selectionRectsForRange:(UITextRange *)range;
- (nullable UITextPosition *)closestPositionToPoint:(CGPoint)point;
- (nullable UITextPosition *)closestPositionToPoint:(CGPoint)point withinRange:(UITextRange *)range;
- (nullable UITextRange *)characterRangeAtPoint:(CGPoint)point;
@optional
- (BOOL)shouldChangeTextInRange:(UITextRange *)range replacementText:(NSString *)text API_AVAILABLE(ios(9.0));
- (nullable NSDictionary<NSAttributedStringKey, id> *)textStylingAtPosition:(UITextPosition *)position
                                                                inDirection:(UITextStorageDirection)direction;
- (nullable UITextPosition *)positionWithinRange:(UITextRange *)range atCharacterOffset:(NSInteger)offset;
- (NSInteger)characterOffsetOfPosition:(UITextPosition *)position withinRange:(UITextRange *)range;
@property (nonatomic, readonly) __kindof UIView *textInputView;
@property (nonatomic) UITextStorageDirection selectionAffinity;
- (void)insertDictationResult:(NSArray *)dictationResult;
- (void)dictationRecordingDidEnd;
- (void)dictationRecognitionFailed;
- (id)insertDictationResultPlaceholder;
- (CGRect)frameForDictationResultPlaceholder:(id)placeholder;
- (void)removeDictationResultPlaceholder:(id)placeholder willInsertResult:(BOOL)willInsertResult;
- (void)insertText:(NSString *)text alternatives:(NSArray<NSString *> *)alternatives
             style:(UITextAlternativeStyle)style API_AVAILABLE(ios(16.0));
- (void)beginFloatingCursorAtPoint:(CGPoint)point API_AVAILABLE(ios(9.0));
- (void)updateFloatingCursorAtPoint:(CGPoint)point API_AVAILABLE(ios(9.0));
- (void)endFloatingCursor API_AVAILABLE(ios(9.0));
@end

UIKIT_EXTERN NSString *const UITextInputTextBackgroundColorKey API_DEPRECATED("Use NSBackgroundColorAttributeName",
                                                                                ios(3.2, 8.0));
UIKIT_EXTERN NSString *const UITextInputTextColorKey API_DEPRECATED("Use NSForegroundColorAttributeName",
                                                                      ios(3.2, 8.0));
UIKIT_EXTERN NSString *const UITextInputTextFontKey API_DEPRECATED("Use NSFontAttributeName", ios(3.2, 8.0));

@protocol UITextInputDelegate <NSObject>
- (void)selectionWillChange:(nullable id<UITextInput>)textInput;
- (void)selectionDidChange:(nullable id<UITextInput>)textInput;
- (void)textWillChange:(nullable id<UITextInput>)textInput;
- (void)textDidChange:(nullable id<UITextInput>)textInput;
@end

@protocol UITextInputTokenizer <NSObject>
@required
- (nullable UITextRange *)rangeEnclosingPosition:(UITextPosition *)position
                                 withGranularity:(UITextGranularity)granularity
                                     inDirection:(UITextDirection)direction;
- (BOOL)isPosition:(UITextPosition *)position
    atBoundary:(UITextGranularity)granularity
    inDirection:(UITextDirection)direction;
- (nullable UITextPosition *)positionFromPosition:(UITextPosition *)position
                                    toBoundary:(UITextGranularity)granularity
                                   inDirection:(UITextDirection)direction;
- (BOOL)isPosition:(UITextPosition *)position
    withinTextUnit:(UITextGranularity)granularity
       inDirection:(UITextDirection)direction;
@end

@interface UITextInputStringTokenizer : NSObject <UITextInputTokenizer>
- (instancetype)initWithTextInput:(UIResponder<UITextInput> *)textInput;
@end

@interface UITextInputMode : NSObject <NSSecureCoding>
@property (nullable, nonatomic, readonly, strong) NSString *primaryLanguage;
@property (class, nonatomic, readonly) NSArray<UITextInputMode *> *activeInputModes;
@end

UIKIT_EXTERN NSNotificationName const UITextInputCurrentInputModeDidChangeNotification;

NS_ASSUME_NONNULL_END
