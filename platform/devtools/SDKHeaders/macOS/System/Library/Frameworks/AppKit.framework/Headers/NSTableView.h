/* NSTableView.h: tables of rows and columns, filled by a data source and managed by a delegate. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>
#import <AppKit/NSDragging.h>
#import <AppKit/NSUserInterfaceItemIdentification.h>

#import <AppKit/NSTableHeaderView.h>
@class NSTableColumn, NSTableRowView, NSTableHeaderView, NSCell, NSPasteboard, NSColor, NSImage, NSNib, NSEvent, NSIndexSet;
@protocol NSTableViewDataSource, NSTableViewDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSTableViewAnimationOptions) {
    NSTableViewAnimationEffectNone = 0x0,
    NSTableViewAnimationEffectFade = 0x1,
    NSTableViewAnimationEffectGap = 0x2,
    NSTableViewAnimationSlideUp = 0x10,
    NSTableViewAnimationSlideDown = 0x20,
    NSTableViewAnimationSlideLeft = 0x30,
    NSTableViewAnimationSlideRight = 0x40,
} API_AVAILABLE(macos(10.7));

typedef NS_ENUM(NSUInteger, NSTableViewColumnAutoresizingStyle) {
    NSTableViewNoColumnAutoresizing = 0,
    NSTableViewUniformColumnAutoresizingStyle,
    NSTableViewSequentialColumnAutoresizingStyle,
    NSTableViewReverseSequentialColumnAutoresizingStyle,
    NSTableViewLastColumnOnlyAutoresizingStyle,
    NSTableViewFirstColumnOnlyAutoresizingStyle
};

typedef NS_OPTIONS(NSUInteger, NSTableViewGridLineStyle) {
    NSTableViewGridNone = 0,
    NSTableViewSolidVerticalGridLineMask = 1 << 0,
    NSTableViewSolidHorizontalGridLineMask = 1 << 1,
    NSTableViewDashedHorizontalGridLineMask API_AVAILABLE(macos(10.7)) = 1 << 3,
};

typedef NS_ENUM(NSInteger, NSTableViewRowSizeStyle) {
    NSTableViewRowSizeStyleDefault = -1,
    NSTableViewRowSizeStyleCustom = 0,
    NSTableViewRowSizeStyleSmall = 1,
    NSTableViewRowSizeStyleMedium = 2,
    NSTableViewRowSizeStyleLarge = 3,
} API_AVAILABLE(macos(10.7));

typedef NS_ENUM(NSInteger, NSTableViewStyle) {
    NSTableViewStyleAutomatic,
    NSTableViewStyleFullWidth,
    NSTableViewStyleInset,
    NSTableViewStyleSourceList,
    NSTableViewStylePlain
} API_AVAILABLE(macos(11.0));

typedef NS_ENUM(NSInteger, NSTableViewSelectionHighlightStyle) {
    NSTableViewSelectionHighlightStyleNone API_AVAILABLE(macos(10.6)) = -1,
    NSTableViewSelectionHighlightStyleRegular = 0,
    NSTableViewSelectionHighlightStyleSourceList = 1,
};

typedef NS_ENUM(NSInteger, NSTableViewDraggingDestinationFeedbackStyle) {
    NSTableViewDraggingDestinationFeedbackStyleNone = -1,
    NSTableViewDraggingDestinationFeedbackStyleRegular = 0,
    NSTableViewDraggingDestinationFeedbackStyleSourceList = 1,
    NSTableViewDraggingDestinationFeedbackStyleGap API_AVAILABLE(macos(10.9)) = 2,
} API_AVAILABLE(macos(10.6));

typedef NS_ENUM(NSUInteger, NSTableViewDropOperation) {
    NSTableViewDropOn,
    NSTableViewDropAbove
};

typedef NS_ENUM(NSInteger, NSTableRowActionEdge) {
    NSTableRowActionEdgeLeading,
    NSTableRowActionEdgeTrailing,
} API_AVAILABLE(macos(10.11));

@interface NSTableView : NSControl
- (instancetype)initWithFrame:(NSRect)frameRect NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nullable, weak) id<NSTableViewDataSource> dataSource;
@property (nullable, weak) id<NSTableViewDelegate> delegate;
@property CGFloat rowHeight;
@property BOOL usesAlternatingRowBackgroundColors;
@property BOOL allowsMultipleSelection;
@property BOOL allowsEmptySelection;
@property (readonly) NSInteger numberOfRows;
@property (readonly) NSInteger numberOfColumns;
@property (readonly, copy) NSArray<NSTableColumn *> *tableColumns;
@property (readonly) NSInteger selectedRow;
@property (readonly, copy) NSIndexSet *selectedRowIndexes;
@property (readonly) NSInteger clickedRow;
- (void)reloadData;
- (void)reloadDataForRowIndexes:(NSIndexSet *)rowIndexes columnIndexes:(NSIndexSet *)columnIndexes
    API_AVAILABLE(macos(10.6));
- (void)selectRowIndexes:(NSIndexSet *)indexes byExtendingSelection:(BOOL)extend API_AVAILABLE(macos(10.3));
- (void)deselectAll:(nullable id)sender;
- (void)scrollRowToVisible:(NSInteger)row;
- (NSInteger)rowForView:(NSView *)view API_AVAILABLE(macos(10.7));
- (nullable __kindof NSView *)viewAtColumn:(NSInteger)column
                                       row:(NSInteger)row
                           makeIfNecessary:(BOOL)makeIfNecessary API_AVAILABLE(macos(10.7));
- (nullable __kindof NSView *)makeViewWithIdentifier:(NSUserInterfaceItemIdentifier)identifier
                                               owner:(nullable id)owner API_AVAILABLE(macos(10.7));
- (void)beginUpdates API_AVAILABLE(macos(10.7));
- (void)endUpdates API_AVAILABLE(macos(10.7));
- (void)insertRowsAtIndexes:(NSIndexSet *)indexes
              withAnimation:(NSTableViewAnimationOptions)animationOptions API_AVAILABLE(macos(10.7));
- (void)removeRowsAtIndexes:(NSIndexSet *)indexes
              withAnimation:(NSTableViewAnimationOptions)animationOptions API_AVAILABLE(macos(10.7));
- (NSInteger)focusedColumn API_AVAILABLE(macos(10.5));
- (void)setFocusedColumn:(NSInteger)focusedColumn API_AVAILABLE(macos(10.5));
@property (nullable, strong) NSTableHeaderView *headerView;
@property (nullable, strong) NSView *cornerView;
@property BOOL allowsColumnReordering;
@property BOOL allowsColumnResizing;
@property BOOL allowsColumnSelection;
@property BOOL allowsTypeSelect API_AVAILABLE(macos(10.5));
@property NSTableViewColumnAutoresizingStyle columnAutoresizingStyle API_AVAILABLE(macos(10.4));
@property NSTableViewGridLineStyle gridStyleMask;
@property NSSize intercellSpacing;
@property (copy) NSColor *backgroundColor;
@property (copy) NSColor *gridColor;
@property NSTableViewSelectionHighlightStyle selectionHighlightStyle API_AVAILABLE(macos(10.5));
@property NSTableViewStyle style API_AVAILABLE(macos(11.0));
@property BOOL usesAutomaticRowHeights API_AVAILABLE(macos(10.13));
@property (nullable) SEL doubleAction;
@property (copy) NSArray<NSSortDescriptor *> *sortDescriptors;
@property (nullable, copy) NSString *autosaveName;
@property BOOL autosaveTableColumns;
@property (readonly) NSInteger clickedColumn;
@property (readonly) NSInteger editedRow;
@property (readonly) NSInteger editedColumn;
@property (readonly) NSInteger selectedColumn;
@property (readonly) NSInteger numberOfSelectedRows;
@property (readonly) NSInteger numberOfSelectedColumns;
@property (readonly, copy) NSIndexSet *selectedColumnIndexes;
- (void)addTableColumn:(NSTableColumn *)tableColumn;
- (void)removeTableColumn:(NSTableColumn *)tableColumn;
- (void)moveColumn:(NSInteger)oldIndex toColumn:(NSInteger)newIndex;
- (NSInteger)columnWithIdentifier:(NSUserInterfaceItemIdentifier)identifier;
- (nullable NSTableColumn *)tableColumnWithIdentifier:(NSUserInterfaceItemIdentifier)identifier;
- (void)selectColumnIndexes:(NSIndexSet *)indexes byExtendingSelection:(BOOL)extend;
- (void)selectAll:(nullable id)sender;
- (void)deselectRow:(NSInteger)row;
- (void)deselectColumn:(NSInteger)column;
- (BOOL)isRowSelected:(NSInteger)row;
- (BOOL)isColumnSelected:(NSInteger)column;
- (void)scrollColumnToVisible:(NSInteger)column;
- (NSRect)rectOfRow:(NSInteger)row;
- (NSRect)rectOfColumn:(NSInteger)column;
- (NSRect)frameOfCellAtColumn:(NSInteger)column row:(NSInteger)row;
- (NSRange)rowsInRect:(NSRect)rect;
- (NSInteger)rowAtPoint:(NSPoint)point;
- (NSInteger)columnAtPoint:(NSPoint)point;
- (NSInteger)columnForView:(NSView *)view API_AVAILABLE(macos(10.7));
- (void)noteNumberOfRowsChanged;
- (void)noteHeightOfRowsWithIndexesChanged:(NSIndexSet *)indexSet;
- (void)tile;
- (void)sizeToFit;
- (void)sizeLastColumnToFit;
- (void)editColumn:(NSInteger)column row:(NSInteger)row withEvent:(nullable NSEvent *)event select:(BOOL)select;
- (nullable __kindof NSTableRowView *)rowViewAtRow:(NSInteger)row makeIfNecessary:(BOOL)makeIfNecessary API_AVAILABLE(macos(10.7));
- (void)moveRowAtIndex:(NSInteger)oldIndex toIndex:(NSInteger)newIndex API_AVAILABLE(macos(10.7));
- (void)hideRowsAtIndexes:(NSIndexSet *)indexes withAnimation:(NSTableViewAnimationOptions)rowAnimation API_AVAILABLE(macos(10.11));
- (void)unhideRowsAtIndexes:(NSIndexSet *)indexes withAnimation:(NSTableViewAnimationOptions)rowAnimation API_AVAILABLE(macos(10.11));
- (void)registerNib:(nullable NSNib *)nib forIdentifier:(NSUserInterfaceItemIdentifier)identifier API_AVAILABLE(macos(10.7));
- (void)enumerateAvailableRowViewsUsingBlock:(void (^)(__kindof NSTableRowView *rowView, NSInteger row))handler API_AVAILABLE(macos(10.7));
- (void)setDraggingSourceOperationMask:(NSDragOperation)mask forLocal:(BOOL)isLocal;
- (void)setDropRow:(NSInteger)row dropOperation:(NSTableViewDropOperation)dropOperation;
- (void)setIndicatorImage:(nullable NSImage *)image inTableColumn:(NSTableColumn *)tableColumn;
- (nullable NSImage *)indicatorImageInTableColumn:(NSTableColumn *)tableColumn;
@property (nullable, strong) NSTableColumn *highlightedTableColumn;
@property BOOL floatsGroupRows API_AVAILABLE(macos(10.5));
@property NSTableViewDraggingDestinationFeedbackStyle draggingDestinationFeedbackStyle API_AVAILABLE(macos(10.6));
@property BOOL verticalMotionCanBeginDrag;
@end

@protocol NSTableViewDelegate <NSObject>
@optional
- (nullable NSView *)tableView:(NSTableView *)tableView
            viewForTableColumn:(nullable NSTableColumn *)tableColumn
                           row:(NSInteger)row API_AVAILABLE(macos(10.7));
- (CGFloat)tableView:(NSTableView *)tableView heightOfRow:(NSInteger)row;
- (BOOL)tableView:(NSTableView *)tableView shouldSelectRow:(NSInteger)row;
- (void)tableViewSelectionDidChange:(NSNotification *)notification;
- (nullable NSTableRowView *)tableView:(NSTableView *)tableView rowViewForRow:(NSInteger)row API_AVAILABLE(macos(10.7));
- (void)tableView:(NSTableView *)tableView didAddRowView:(NSTableRowView *)rowView forRow:(NSInteger)row API_AVAILABLE(macos(10.7));
- (void)tableView:(NSTableView *)tableView didRemoveRowView:(NSTableRowView *)rowView forRow:(NSInteger)row API_AVAILABLE(macos(10.7));
- (void)tableView:(NSTableView *)tableView willDisplayCell:(id)cell forTableColumn:(nullable NSTableColumn *)tableColumn row:(NSInteger)row;
- (BOOL)tableView:(NSTableView *)tableView shouldEditTableColumn:(nullable NSTableColumn *)tableColumn row:(NSInteger)row;
- (NSString *)tableView:(NSTableView *)tableView toolTipForCell:(NSCell *)cell rect:(NSRectPointer)rect tableColumn:(nullable NSTableColumn *)tableColumn row:(NSInteger)row mouseLocation:(NSPoint)mouseLocation;
- (nullable NSCell *)tableView:(NSTableView *)tableView dataCellForTableColumn:(nullable NSTableColumn *)tableColumn row:(NSInteger)row API_AVAILABLE(macos(10.5));
- (BOOL)selectionShouldChangeInTableView:(NSTableView *)tableView;
- (NSIndexSet *)tableView:(NSTableView *)tableView selectionIndexesForProposedSelection:(NSIndexSet *)proposedSelectionIndexes API_AVAILABLE(macos(10.5));
- (BOOL)tableView:(NSTableView *)tableView shouldSelectTableColumn:(nullable NSTableColumn *)tableColumn;
- (void)tableView:(NSTableView *)tableView mouseDownInHeaderOfTableColumn:(NSTableColumn *)tableColumn;
- (void)tableView:(NSTableView *)tableView didClickTableColumn:(NSTableColumn *)tableColumn;
- (void)tableView:(NSTableView *)tableView didDragTableColumn:(NSTableColumn *)tableColumn;
- (BOOL)tableView:(NSTableView *)tableView isGroupRow:(NSInteger)row API_AVAILABLE(macos(10.5));
- (CGFloat)tableView:(NSTableView *)tableView sizeToFitWidthOfColumn:(NSInteger)column API_AVAILABLE(macos(10.6));
- (BOOL)tableView:(NSTableView *)tableView shouldReorderColumn:(NSInteger)columnIndex toColumn:(NSInteger)newColumnIndex API_AVAILABLE(macos(10.6));
- (nullable NSString *)tableView:(NSTableView *)tableView typeSelectStringForTableColumn:(nullable NSTableColumn *)tableColumn row:(NSInteger)row API_AVAILABLE(macos(10.5));
- (void)tableViewSelectionIsChanging:(NSNotification *)notification;
- (void)tableViewColumnDidMove:(NSNotification *)notification;
- (void)tableViewColumnDidResize:(NSNotification *)notification;
@end

@protocol NSTableViewDataSource <NSObject>
@optional
- (NSInteger)numberOfRowsInTableView:(NSTableView *)tableView;
- (nullable id)tableView:(NSTableView *)tableView
    objectValueForTableColumn:(nullable NSTableColumn *)tableColumn
                          row:(NSInteger)row;
- (void)tableView:(NSTableView *)tableView setObjectValue:(nullable id)object forTableColumn:(nullable NSTableColumn *)tableColumn row:(NSInteger)row;
- (void)tableView:(NSTableView *)tableView sortDescriptorsDidChange:(NSArray<NSSortDescriptor *> *)oldDescriptors;
- (nullable id<NSPasteboardWriting>)tableView:(NSTableView *)tableView pasteboardWriterForRow:(NSInteger)row API_AVAILABLE(macos(10.7));
- (void)tableView:(NSTableView *)tableView draggingSession:(NSDraggingSession *)session willBeginAtPoint:(NSPoint)screenPoint forRowIndexes:(NSIndexSet *)rowIndexes API_AVAILABLE(macos(10.7));
- (void)tableView:(NSTableView *)tableView draggingSession:(NSDraggingSession *)session endedAtPoint:(NSPoint)screenPoint operation:(NSDragOperation)operation API_AVAILABLE(macos(10.7));
- (BOOL)tableView:(NSTableView *)tableView writeRowsWithIndexes:(NSIndexSet *)rowIndexes toPasteboard:(NSPasteboard *)pboard API_DEPRECATED("Use -tableView:pasteboardWriterForRow: instead", macos(10.4, 10.15));
- (NSDragOperation)tableView:(NSTableView *)tableView validateDrop:(id<NSDraggingInfo>)info proposedRow:(NSInteger)row proposedDropOperation:(NSTableViewDropOperation)dropOperation;
- (BOOL)tableView:(NSTableView *)tableView acceptDrop:(id<NSDraggingInfo>)info row:(NSInteger)row dropOperation:(NSTableViewDropOperation)dropOperation;
@end

APPKIT_EXTERN NSNotificationName NSTableViewSelectionDidChangeNotification;
APPKIT_EXTERN NSNotificationName NSTableViewColumnDidMoveNotification;
APPKIT_EXTERN NSNotificationName NSTableViewColumnDidResizeNotification;
APPKIT_EXTERN NSNotificationName NSTableViewSelectionIsChangingNotification;
APPKIT_EXTERN NSUserInterfaceItemIdentifier const NSTableViewRowViewKey API_AVAILABLE(macos(10.7));

NS_ASSUME_NONNULL_END
