/* NSText.h: the abstract text view: its string, editing and selection state, font, colours and alignment. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>
#import <AppKit/NSView.h>

@class NSColor, NSFont;

NS_ASSUME_NONNULL_BEGIN

@interface NSText : NSView
- (instancetype)initWithFrame:(NSRect)frameRect NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (null_resettable, copy) NSString *string;
@property (getter=isEditable) BOOL editable;
@property (getter=isSelectable) BOOL selectable;
@property (getter=isRichText) BOOL richText;
@property (getter=isFieldEditor) BOOL fieldEditor;
@property BOOL usesFontPanel;
@property BOOL drawsBackground;
@property (nullable, copy) NSColor *backgroundColor;
@property (nullable, strong) NSFont *font;
@property (nullable, copy) NSColor *textColor;
@property NSRange selectedRange;
- (void)replaceCharactersInRange:(NSRange)range withString:(NSString *)string;
- (void)scrollRangeToVisible:(NSRange)range;
- (void)selectAll:(nullable id)sender;
- (void)copy:(nullable id)sender;
- (void)paste:(nullable id)sender;
- (void)cut:(nullable id)sender;
- (void)delete:(nullable id)sender;
- (void)sizeToFit;
@end

@protocol NSTextDelegate <NSObject>
@optional
- (BOOL)textShouldBeginEditing:(NSText *)textObject;
- (BOOL)textShouldEndEditing:(NSText *)textObject;
- (void)textDidBeginEditing:(NSNotification *)notification;
- (void)textDidEndEditing:(NSNotification *)notification;
- (void)textDidChange:(NSNotification *)notification;
@end

APPKIT_EXTERN NSNotificationName NSTextDidBeginEditingNotification;
APPKIT_EXTERN NSNotificationName NSTextDidEndEditingNotification;
APPKIT_EXTERN NSNotificationName NSTextDidChangeNotification;

enum {
    NSLeftTextAlignment API_DEPRECATED_WITH_REPLACEMENT("NSTextAlignmentLeft", macos(10.0, 10.14)) = NSTextAlignmentLeft,
    NSRightTextAlignment API_DEPRECATED_WITH_REPLACEMENT("NSTextAlignmentRight", macos(10.0, 10.14)) = NSTextAlignmentRight,
    NSCenterTextAlignment API_DEPRECATED_WITH_REPLACEMENT("NSTextAlignmentCenter", macos(10.0, 10.14)) = NSTextAlignmentCenter,
    NSJustifiedTextAlignment API_DEPRECATED_WITH_REPLACEMENT("NSTextAlignmentJustified", macos(10.0, 10.14)) = NSTextAlignmentJustified,
    NSNaturalTextAlignment API_DEPRECATED_WITH_REPLACEMENT("NSTextAlignmentNatural", macos(10.0, 10.14)) = NSTextAlignmentNatural
};

enum {
    NSEnterCharacter = 0x0003,
    NSBackspaceCharacter = 0x0008,
    NSTabCharacter = 0x0009,
    NSNewlineCharacter = 0x000a,
    NSFormFeedCharacter = 0x000c,
    NSCarriageReturnCharacter = 0x000d,
    NSBackTabCharacter = 0x0019,
    NSDeleteCharacter = 0x007f,
    NSLineSeparatorCharacter = 0x2028,
    NSParagraphSeparatorCharacter = 0x2029
};

enum {
    NSIllegalTextMovement = 0,
    NSReturnTextMovement = 0x10,
    NSTabTextMovement = 0x11,
    NSBacktabTextMovement = 0x12,
    NSLeftTextMovement = 0x13,
    NSRightTextMovement = 0x14,
    NSUpTextMovement = 0x15,
    NSDownTextMovement = 0x16,
    NSCancelTextMovement = 0x17,
    NSOtherTextMovement = 0
};

@interface NSText (NSTextEditing)
@property (nullable, weak) id<NSTextDelegate> delegate;
@property NSTextAlignment alignment;
@property (getter=isHorizontallyResizable) BOOL horizontallyResizable;
@property (getter=isVerticallyResizable) BOOL verticallyResizable;
@property NSSize maxSize;
@property NSSize minSize;
- (void)setTextColor:(nullable NSColor *)color range:(NSRange)range;
- (void)setFont:(NSFont *)font range:(NSRange)range;
- (void)replaceCharactersInRange:(NSRange)range withRTF:(NSData *)rtfData;
- (nullable NSData *)RTFFromRange:(NSRange)range;
- (void)underline:(nullable id)sender;
@end

NS_ASSUME_NONNULL_END
