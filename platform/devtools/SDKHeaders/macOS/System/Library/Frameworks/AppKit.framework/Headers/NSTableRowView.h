/* NSTableRowView.h: the view of one row of a view-based table: selection, emphasis, group rows and drawing. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>
#import <AppKit/NSCell.h>
#import <AppKit/NSTableView.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.7))
@interface NSTableRowView : NSView
@property NSTableViewSelectionHighlightStyle selectionHighlightStyle;
@property (getter=isEmphasized) BOOL emphasized;
@property (getter=isGroupRowStyle) BOOL groupRowStyle;
@property (getter=isSelected) BOOL selected;
@property (getter=isPreviousRowSelected) BOOL previousRowSelected API_AVAILABLE(macos(10.10));
@property (getter=isNextRowSelected) BOOL nextRowSelected;
@property (getter=isFloating) BOOL floating;
@property (getter=isTargetForDropOperation) BOOL targetForDropOperation;
@property NSTableViewDraggingDestinationFeedbackStyle draggingDestinationFeedbackStyle;
@property CGFloat indentationForDropOperation;
@property (readonly) NSBackgroundStyle interiorBackgroundStyle;
@property (copy) NSColor *backgroundColor;
- (void)drawBackgroundInRect:(NSRect)dirtyRect;
- (void)drawSelectionInRect:(NSRect)dirtyRect;
- (void)drawSeparatorInRect:(NSRect)dirtyRect;
- (void)drawDraggingDestinationFeedbackInRect:(NSRect)dirtyRect;
- (nullable id)viewAtColumn:(NSInteger)column;
@property (readonly) NSInteger numberOfColumns;
@end

NS_ASSUME_NONNULL_END
