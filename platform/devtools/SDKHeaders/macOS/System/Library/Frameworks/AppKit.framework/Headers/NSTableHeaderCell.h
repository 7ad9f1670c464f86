/* NSTableHeaderCell.h: the cells that draw the column headers of a table view, with their sort indicators. */
#import <AppKit/NSTextFieldCell.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSTableHeaderCell : NSTextFieldCell
- (void)drawSortIndicatorWithFrame:(NSRect)cellFrame inView:(NSView *)controlView ascending:(BOOL)ascending priority:(NSInteger)priority;
- (NSRect)sortIndicatorRectForBounds:(NSRect)rect;
@end

NS_ASSUME_NONNULL_END
