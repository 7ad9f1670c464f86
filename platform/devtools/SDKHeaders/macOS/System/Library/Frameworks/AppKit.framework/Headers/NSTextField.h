/* NSTextField.h: text fields: editable fields and labels, with placeholder, colours and a delegate. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>

@class NSColor;
@protocol NSTextFieldDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSTextFieldBezelStyle) {
    NSTextFieldSquareBezel = 0,
    NSTextFieldRoundedBezel = 1
};

@interface NSTextField : NSControl
+ (instancetype)labelWithString:(NSString *)stringValue API_AVAILABLE(macos(10.12));
+ (instancetype)wrappingLabelWithString:(NSString *)stringValue API_AVAILABLE(macos(10.12));
+ (instancetype)labelWithAttributedString:(NSAttributedString *)attributedStringValue API_AVAILABLE(macos(10.12));
+ (instancetype)textFieldWithString:(NSString *)stringValue API_AVAILABLE(macos(10.12));
@property (nullable, copy) NSString *placeholderString API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSAttributedString *placeholderAttributedString API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSColor *backgroundColor;
@property BOOL drawsBackground;
@property (nullable, copy) NSColor *textColor;
@property (getter=isBordered) BOOL bordered;
@property (getter=isBezeled) BOOL bezeled;
@property (getter=isEditable) BOOL editable;
@property (getter=isSelectable) BOOL selectable;
@property NSTextFieldBezelStyle bezelStyle;
@property CGFloat preferredMaxLayoutWidth API_AVAILABLE(macos(10.8));
@property NSInteger maximumNumberOfLines API_AVAILABLE(macos(10.11));
@property (nullable, weak) id<NSTextFieldDelegate> delegate;
- (void)selectText:(nullable id)sender;
@end

@protocol NSTextFieldDelegate <NSObject>
@optional
- (void)controlTextDidBeginEditing:(NSNotification *)obj;
- (void)controlTextDidEndEditing:(NSNotification *)obj;
- (void)controlTextDidChange:(NSNotification *)obj;
@end

APPKIT_EXTERN NSNotificationName NSControlTextDidBeginEditingNotification;
APPKIT_EXTERN NSNotificationName NSControlTextDidEndEditingNotification;
APPKIT_EXTERN NSNotificationName NSControlTextDidChangeNotification;

NS_ASSUME_NONNULL_END
