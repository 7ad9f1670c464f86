/* NSSearchFieldCell.h: the cell of search fields: its search and cancel buttons, recent searches and their menu. */
#import <AppKit/NSTextFieldCell.h>
#import <AppKit/NSButtonCell.h>
#import <AppKit/NSMenu.h>

NS_ASSUME_NONNULL_BEGIN

static const NSInteger NSSearchFieldRecentsTitleMenuItemTag = 1000;
static const NSInteger NSSearchFieldRecentsMenuItemTag = 1001;
static const NSInteger NSSearchFieldClearRecentsMenuItemTag = 1002;
static const NSInteger NSSearchFieldNoRecentsMenuItemTag = 1003;

@interface NSSearchFieldCell : NSTextFieldCell
@property (nullable, strong) NSButtonCell *searchButtonCell;
@property (nullable, strong) NSButtonCell *cancelButtonCell;
- (void)resetSearchButtonCell;
- (void)resetCancelButtonCell;
- (NSRect)searchTextRectForBounds:(NSRect)rect;
- (NSRect)searchButtonRectForBounds:(NSRect)rect;
- (NSRect)cancelButtonRectForBounds:(NSRect)rect;
@property (nullable, strong) NSMenu *searchMenuTemplate;
@property BOOL sendsWholeSearchString;
@property NSInteger maximumRecents;
@property (null_resettable, copy) NSArray<NSString *> *recentSearches;
@property (nullable, copy) NSString *recentsAutosaveName;
@property BOOL sendsSearchStringImmediately;
@end

NS_ASSUME_NONNULL_END
