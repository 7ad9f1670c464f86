/* NSControl.h: controls: values, target-action, enabled state, alignment and font. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>
#import <AppKit/NSFont.h>

@class NSFont, NSFormatter;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSTextAlignment) {
    NSTextAlignmentLeft = 0,
    NSTextAlignmentCenter = 1,
    NSTextAlignmentRight = 2,
    NSTextAlignmentJustified = 3,
    NSTextAlignmentNatural = 4
} API_AVAILABLE(macos(10.0));

typedef NS_ENUM(NSUInteger, NSControlSize) {
    NSControlSizeRegular = 0,
    NSControlSizeSmall = 1,
    NSControlSizeMini = 2,
    NSControlSizeLarge API_AVAILABLE(macos(11.0)) = 3
};
static const NSControlSize NSRegularControlSize API_DEPRECATED_WITH_REPLACEMENT("NSControlSizeRegular", macos(10.0, 10.12)) = NSControlSizeRegular;
static const NSControlSize NSSmallControlSize API_DEPRECATED_WITH_REPLACEMENT("NSControlSizeSmall", macos(10.0, 10.12)) = NSControlSizeSmall;
static const NSControlSize NSMiniControlSize API_DEPRECATED_WITH_REPLACEMENT("NSControlSizeMini", macos(10.0, 10.12)) = NSControlSizeMini;

typedef NSInteger NSControlStateValue NS_TYPED_EXTENSIBLE_ENUM;
static const NSControlStateValue NSControlStateValueMixed API_AVAILABLE(macos(10.13)) = -1;
static const NSControlStateValue NSControlStateValueOff API_AVAILABLE(macos(10.13)) = 0;
static const NSControlStateValue NSControlStateValueOn API_AVAILABLE(macos(10.13)) = 1;
static const NSControlStateValue NSOnState
    API_DEPRECATED_WITH_REPLACEMENT("NSControlStateValueOn", macos(10.0, API_TO_BE_DEPRECATED)) = 1;
static const NSControlStateValue NSOffState
    API_DEPRECATED_WITH_REPLACEMENT("NSControlStateValueOff", macos(10.0, API_TO_BE_DEPRECATED)) = 0;
static const NSControlStateValue NSMixedState
    API_DEPRECATED_WITH_REPLACEMENT("NSControlStateValueMixed", macos(10.0, API_TO_BE_DEPRECATED)) = -1;

typedef NS_ENUM(NSUInteger, NSLineBreakMode) {
    NSLineBreakByWordWrapping = 0,
    NSLineBreakByCharWrapping,
    NSLineBreakByClipping,
    NSLineBreakByTruncatingHead,
    NSLineBreakByTruncatingTail,
    NSLineBreakByTruncatingMiddle
} API_AVAILABLE(macos(10.0));

@interface NSControl : NSView

- (instancetype)initWithFrame:(NSRect)frameRect NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;

/* The control does not retain the target. */
@property (nullable, weak) id target;
@property (nullable) SEL action;
@property NSInteger tag;
@property (getter=isEnabled) BOOL enabled;
@property (getter=isContinuous) BOOL continuous;
@property (getter=isHighlighted) BOOL highlighted;
@property NSTextAlignment alignment;
@property NSLineBreakMode lineBreakMode API_AVAILABLE(macos(10.10));
@property NSControlSize controlSize API_AVAILABLE(macos(10.10));
@property (nullable, strong) NSFont *font;
@property (nullable, strong) __kindof NSFormatter *formatter;
@property BOOL usesSingleLineMode API_AVAILABLE(macos(10.10));

@property (copy) id objectValue;
@property (copy) NSString *stringValue;
@property (copy) NSAttributedString *attributedStringValue;
@property int intValue;
@property NSInteger integerValue API_AVAILABLE(macos(10.5));
@property float floatValue;
@property double doubleValue;

- (void)sizeToFit;
- (BOOL)sendAction:(nullable SEL)action to:(nullable id)target;
- (void)takeStringValueFrom:(nullable id)sender;
- (void)takeIntValueFrom:(nullable id)sender;

@end

@class NSText, NSTextView, NSCell;

@protocol NSControlTextEditingDelegate <NSObject>
@optional
- (void)controlTextDidBeginEditing:(NSNotification *)obj;
- (void)controlTextDidEndEditing:(NSNotification *)obj;
- (void)controlTextDidChange:(NSNotification *)obj;
- (BOOL)control:(NSControl *)control textShouldBeginEditing:(NSText *)fieldEditor;
- (BOOL)control:(NSControl *)control textShouldEndEditing:(NSText *)fieldEditor;
- (BOOL)control:(NSControl *)control didFailToFormatString:(NSString *)string errorDescription:(nullable NSString *)error;
- (BOOL)control:(NSControl *)control isValidObject:(nullable id)obj;
- (BOOL)control:(NSControl *)control textView:(NSTextView *)textView doCommandBySelector:(SEL)commandSelector;
- (NSArray<NSString *> *)control:(NSControl *)control textView:(NSTextView *)textView completions:(NSArray<NSString *> *)words forPartialWordRange:(NSRange)charRange indexOfSelectedItem:(NSInteger *)index;
@end

APPKIT_EXTERN NSNotificationName NSControlTextDidBeginEditingNotification;
APPKIT_EXTERN NSNotificationName NSControlTextDidEndEditingNotification;
APPKIT_EXTERN NSNotificationName NSControlTextDidChangeNotification;

@interface NSControl (NSControlEditing)
@property (nullable, strong) __kindof NSCell *cell;
- (BOOL)abortEditing;
- (nullable NSText *)currentEditor;
- (void)validateEditing;
- (void)performClick:(nullable id)sender;
- (void)setNeedsDisplay;
@property BOOL refusesFirstResponder;
@property BOOL allowsExpansionToolTips API_AVAILABLE(macos(10.8));
- (void)takeDoubleValueFrom:(nullable id)sender;
- (void)takeObjectValueFrom:(nullable id)sender;
- (void)takeIntegerValueFrom:(nullable id)sender;
@end

@interface NSFont (NSControlSizeFonts)
+ (CGFloat)systemFontSizeForControlSize:(NSControlSize)controlSize;
@end

NS_ASSUME_NONNULL_END
