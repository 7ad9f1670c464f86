/* NSCell.h: cells: the lightweight objects that draw and track the content of controls. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>

@class NSImage, NSFont, NSView, NSText, NSEvent, NSMenu;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSCellType) {
    NSNullCellType = 0,
    NSTextCellType = 1,
    NSImageCellType = 2
};

typedef NS_ENUM(NSUInteger, NSCellImagePosition) {
    NSNoImage = 0,
    NSImageOnly = 1,
    NSImageLeft = 2,
    NSImageRight = 3,
    NSImageBelow = 4,
    NSImageAbove = 5,
    NSImageOverlaps = 6,
    NSImageLeading API_AVAILABLE(macos(10.12)) = 7,
    NSImageTrailing API_AVAILABLE(macos(10.12)) = 8
};

@interface NSCell : NSObject <NSCopying, NSCoding>
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (instancetype)initTextCell:(NSString *)string NS_DESIGNATED_INITIALIZER;
- (instancetype)initImageCell:(nullable NSImage *)image NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nullable, assign) NSView *controlView;
@property NSCellType type;
@property NSInteger state;
@property (nullable, weak) id target;
@property (nullable) SEL action;
@property NSInteger tag;
@property (copy) NSString *title;
@property (getter=isEnabled) BOOL enabled;
@property (getter=isBordered) BOOL bordered;
@property (getter=isEditable) BOOL editable;
@property (getter=isSelectable) BOOL selectable;
@property (getter=isHighlighted) BOOL highlighted;
@property NSTextAlignment alignment;
@property (nullable, strong) NSFont *font;
@property (nullable, strong) NSImage *image;
@property (copy) id objectValue;
@property (copy) NSString *stringValue;
@property NSControlSize controlSize;
@property (readonly) NSSize cellSize;
- (NSRect)imageRectForBounds:(NSRect)rect;
- (NSRect)titleRectForBounds:(NSRect)rect;
- (NSRect)drawingRectForBounds:(NSRect)rect;
- (void)drawWithFrame:(NSRect)cellFrame inView:(NSView *)controlView;
- (void)drawInteriorWithFrame:(NSRect)cellFrame inView:(NSView *)controlView;
- (void)highlight:(BOOL)flag withFrame:(NSRect)cellFrame inView:(NSView *)controlView;
- (NSText *)setUpFieldEditorAttributes:(NSText *)textObj;
@end

typedef NS_ENUM(NSInteger, NSBackgroundStyle) {
    NSBackgroundStyleNormal = 0,
    NSBackgroundStyleEmphasized,
    NSBackgroundStyleRaised,
    NSBackgroundStyleLowered,
    NSBackgroundStyleLight API_DEPRECATED_WITH_REPLACEMENT("NSBackgroundStyleNormal", macos(10.5, 10.14)) = NSBackgroundStyleNormal,
    NSBackgroundStyleDark API_DEPRECATED_WITH_REPLACEMENT("NSBackgroundStyleEmphasized", macos(10.5, 10.14)) = NSBackgroundStyleEmphasized,
};

@interface NSCell (NSCellBackgroundStyle)
@property NSBackgroundStyle backgroundStyle API_AVAILABLE(macos(10.5));
@property (readonly) NSBackgroundStyle interiorBackgroundStyle API_AVAILABLE(macos(10.5));
@property (getter=isScrollable) BOOL scrollable;
@property BOOL wraps;
@property BOOL truncatesLastVisibleLine API_AVAILABLE(macos(10.5));
@property (copy) NSAttributedString *attributedStringValue;
- (void)editWithFrame:(NSRect)rect inView:(NSView *)controlView editor:(NSText *)textObj delegate:(nullable id)delegate event:(nullable NSEvent *)event;
- (void)selectWithFrame:(NSRect)rect inView:(NSView *)controlView editor:(NSText *)textObj delegate:(nullable id)delegate start:(NSInteger)selStart length:(NSInteger)selLength;
- (void)endEditing:(NSText *)textObj;
- (NSText *)fieldEditorForView:(NSView *)controlView API_AVAILABLE(macos(10.6));
- (NSSize)cellSizeForBounds:(NSRect)rect;
@end

NS_ASSUME_NONNULL_END
