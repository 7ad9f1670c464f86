/* NSTableView.h: tables of rows and columns, filled by a data source and managed by a delegate. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>

@class NSTableColumn, NSTableRowView;
@protocol NSTableViewDataSource, NSTableViewDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSUserInterfaceItemIdentifier NS_TYPED_EXTENSIBLE_ENUM;

typedef NS_OPTIONS(NSUInteger, NSTableViewAnimationOptions) {
    NSTableViewAnimationEffectNone = 0x0,
    NSTableViewAnimationEffectFade = 0x1,
    NSTableViewAnimationEffectGap = 0x2,
    NSTableViewAnimationSlideUp = 0x10,
    NSTableViewAnimationSlideDown = 0x20,
    NSTableViewAnimationSlideLeft = 0x30,
    NSTableViewAnimationSlideRight = 0x40,
} API_AVAILABLE(macos(10.7));

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
@end

@protocol NSTableViewDelegate <NSObject>
@optional
- (nullable NSView *)tableView:(NSTableView *)tableView
            viewForTableColumn:(nullable NSTableColumn *)tableColumn
                           row:(NSInteger)row API_AVAILABLE(macos(10.7));
- (CGFloat)tableView:(NSTableView *)tableView heightOfRow:(NSInteger)row;
- (BOOL)tableView:(NSTableView *)tableView shouldSelectRow:(NSInteger)row;
- (void)tableViewSelectionDidChange:(NSNotification *)notification;
@end

@protocol NSTableViewDataSource <NSObject>
@optional
- (NSInteger)numberOfRowsInTableView:(NSTableView *)tableView;
- (nullable id)tableView:(NSTableView *)tableView
    objectValueForTableColumn:(nullable NSTableColumn *)tableColumn
                          row:(NSInteger)row;
@end

APPKIT_EXTERN NSNotificationName NSTableViewSelectionDidChangeNotification;

NS_ASSUME_NONNULL_END
