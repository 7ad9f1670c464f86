/* NSTableHeaderView.h: the view above a table view that shows its column headers. */
#import <AppKit/NSView.h>

@class NSTableView;

NS_ASSUME_NONNULL_BEGIN

@interface NSTableHeaderView : NSView <NSViewToolTipOwner>
@property (nullable, assign) NSTableView *tableView;
@property (readonly) NSInteger draggedColumn;
@property (readonly) CGFloat draggedDistance;
@property (readonly) NSInteger resizedColumn;
- (NSRect)headerRectOfColumn:(NSInteger)column;
- (NSInteger)columnAtPoint:(NSPoint)point;
@end

NS_ASSUME_NONNULL_END
