/* NSPathControl.h: a control that shows a file system path or URL as components, its items, cells and delegate. */
#import <AppKit/NSControl.h>
#import <AppKit/NSActionCell.h>
#import <AppKit/NSTextFieldCell.h>
#import <AppKit/NSDragging.h>

@class NSColor, NSImage, NSMenu, NSOpenPanel, NSPathComponentCell, NSPasteboard, NSAttributedString;
@protocol NSPathControlDelegate, NSPathCellDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSPathStyle) {
    NSPathStyleStandard,
    NSPathStyleNavigationBar API_DEPRECATED("", macos(10.5, 10.7)),
    NSPathStylePopUp,
};

API_AVAILABLE(macos(10.10))
@interface NSPathControlItem : NSObject
@property (copy) NSString *title;
@property (copy) NSAttributedString *attributedTitle;
@property (nullable, strong) NSImage *image;
@property (nullable, readonly) NSURL *URL;
@end

API_AVAILABLE(macos(10.5))
@interface NSPathComponentCell : NSTextFieldCell
@property (nullable, strong) NSImage *image;
@property (nullable, copy) NSURL *URL;
@end

API_AVAILABLE(macos(10.5))
@interface NSPathCell : NSActionCell <NSOpenSavePanelDelegate>
@property NSPathStyle pathStyle;
@property (nullable, copy) NSURL *URL;
- (void)setObjectValue:(nullable id<NSCopying>)obj;
@property (nullable, copy) NSArray<NSString *> *allowedTypes;
@property (nullable, weak) id<NSPathCellDelegate> delegate;
@property (class, readonly) Class pathComponentCellClass;
@property (copy) NSArray<__kindof NSPathComponentCell *> *pathComponentCells;
- (NSRect)rectOfPathComponentCell:(NSPathComponentCell *)cell withFrame:(NSRect)frame inView:(NSView *)view;
- (nullable NSPathComponentCell *)pathComponentCellAtPoint:(NSPoint)point withFrame:(NSRect)frame inView:(NSView *)view;
@property (nullable, readonly, strong) NSPathComponentCell *clickedPathComponentCell;
- (void)mouseEntered:(NSEvent *)event withFrame:(NSRect)frame inView:(NSView *)view;
- (void)mouseExited:(NSEvent *)event withFrame:(NSRect)frame inView:(NSView *)view;
@property (nullable) SEL doubleAction;
@property (nullable, copy) NSColor *backgroundColor;
@property (nullable, copy) NSString *placeholderString;
@property (nullable, copy) NSAttributedString *placeholderAttributedString;
@end

@protocol NSPathCellDelegate <NSObject>
@optional
- (void)pathCell:(NSPathCell *)pathCell willDisplayOpenPanel:(NSOpenPanel *)openPanel;
- (void)pathCell:(NSPathCell *)pathCell willPopUpMenu:(NSMenu *)menu;
@end

API_AVAILABLE(macos(10.5))
@interface NSPathControl : NSControl
@property (getter=isEditable) BOOL editable API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray<NSString *> *allowedTypes API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSString *placeholderString API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSAttributedString *placeholderAttributedString API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSURL *URL;
@property (nullable) SEL doubleAction;
@property NSPathStyle pathStyle;
@property (nullable, readonly) NSPathControlItem *clickedPathItem API_AVAILABLE(macos(10.10));
@property (copy) NSArray<NSPathControlItem *> *pathItems API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSColor *backgroundColor;
@property (nullable, weak) id<NSPathControlDelegate> delegate;
- (void)setDraggingSourceOperationMask:(NSDragOperation)mask forLocal:(BOOL)isLocal;
@property (nullable, strong) NSMenu *menu;
@property (nullable, strong) __kindof NSPathCell *cell;
@end

@protocol NSPathControlDelegate <NSObject>
@optional
- (BOOL)pathControl:(NSPathControl *)pathControl shouldDragItem:(NSPathControlItem *)pathItem withPasteboard:(NSPasteboard *)pasteboard API_AVAILABLE(macos(10.10));
- (NSDragOperation)pathControl:(NSPathControl *)pathControl validateDrop:(id<NSDraggingInfo>)info;
- (BOOL)pathControl:(NSPathControl *)pathControl acceptDrop:(id<NSDraggingInfo>)info;
- (void)pathControl:(NSPathControl *)pathControl willDisplayOpenPanel:(NSOpenPanel *)openPanel;
- (void)pathControl:(NSPathControl *)pathControl willPopUpMenu:(NSMenu *)menu;
@end

NS_ASSUME_NONNULL_END
