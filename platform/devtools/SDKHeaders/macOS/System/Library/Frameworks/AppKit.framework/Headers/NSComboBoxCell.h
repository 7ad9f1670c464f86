/* NSComboBoxCell.h: the cell of combo boxes: a text field cell with a pop-up list of items, from an array or a data
   source. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSTextFieldCell.h>

@protocol NSComboBoxCellDataSource;

NS_ASSUME_NONNULL_BEGIN

@interface NSComboBoxCell : NSTextFieldCell
@property BOOL hasVerticalScroller;
@property NSSize intercellSpacing;
@property CGFloat itemHeight;
@property NSInteger numberOfVisibleItems;
@property (getter=isButtonBordered) BOOL buttonBordered;
- (void)reloadData;
- (void)noteNumberOfItemsChanged;
@property BOOL usesDataSource;
- (void)scrollItemAtIndexToTop:(NSInteger)index;
- (void)scrollItemAtIndexToVisible:(NSInteger)index;
- (void)selectItemAtIndex:(NSInteger)index;
- (void)deselectItemAtIndex:(NSInteger)index;
@property (readonly) NSInteger indexOfSelectedItem;
@property (readonly) NSInteger numberOfItems;
@property BOOL completes;
- (nullable NSString *)completedString:(NSString *)string;
@property (nullable, weak) id<NSComboBoxCellDataSource> dataSource;
- (void)addItemWithObjectValue:(id)object;
- (void)addItemsWithObjectValues:(NSArray *)objects;
- (void)insertItemWithObjectValue:(id)object atIndex:(NSInteger)index;
- (void)removeItemWithObjectValue:(id)object;
- (void)removeItemAtIndex:(NSInteger)index;
- (void)removeAllItems;
- (void)selectItemWithObjectValue:(nullable id)object;
- (id)itemObjectValueAtIndex:(NSInteger)index;
@property (nullable, readonly, strong) id objectValueOfSelectedItem;
- (NSInteger)indexOfItemWithObjectValue:(id)object;
@property (readonly, copy) NSArray *objectValues;
@end

@protocol NSComboBoxCellDataSource <NSObject>
@optional
- (NSInteger)numberOfItemsInComboBoxCell:(NSComboBoxCell *)comboBoxCell;
- (id)comboBoxCell:(NSComboBoxCell *)comboBoxCell objectValueForItemAtIndex:(NSInteger)index;
- (NSUInteger)comboBoxCell:(NSComboBoxCell *)comboBoxCell indexOfItemWithStringValue:(NSString *)string;
- (nullable NSString *)comboBoxCell:(NSComboBoxCell *)comboBoxCell completedString:(NSString *)uncompletedString;
@end

APPKIT_EXTERN NSNotificationName NSComboBoxCellWillPopUpNotification;

NS_ASSUME_NONNULL_END
