/* NSTableColumn.h: the columns of a table view: identifier, header, width and sorting. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSTableView.h>

#import <AppKit/NSTableHeaderCell.h>

NS_ASSUME_NONNULL_BEGIN

@class NSCell, NSTableHeaderCell, NSSortDescriptor;

typedef NS_OPTIONS(NSUInteger, NSTableColumnResizingOptions) {
    NSTableColumnNoResizing = 0,
    NSTableColumnAutoresizingMask = (1 << 0),
    NSTableColumnUserResizingMask = (1 << 1),
};

@interface NSTableColumn : NSObject <NSCoding>
- (instancetype)initWithIdentifier:(NSUserInterfaceItemIdentifier)identifier NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (copy) NSUserInterfaceItemIdentifier identifier;
@property (nullable, weak) NSTableView *tableView;
@property CGFloat width;
@property CGFloat minWidth;
@property CGFloat maxWidth;
@property (copy) NSString *title API_AVAILABLE(macos(10.10));
@property (strong) __kindof NSTableHeaderCell *headerCell;
@property (getter=isEditable) BOOL editable;
- (void)sizeToFit;
@property (nullable, copy) NSSortDescriptor *sortDescriptorPrototype;
@property NSTableColumnResizingOptions resizingMask;
@property (nullable, copy) NSString *headerToolTip;
@property (getter=isHidden) BOOL hidden;
@property (strong) id dataCell;
@end

NS_ASSUME_NONNULL_END
