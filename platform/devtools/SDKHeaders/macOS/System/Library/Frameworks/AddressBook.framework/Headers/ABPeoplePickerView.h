/* ABPeoplePickerView.h: a view that lists the address book's people for the user to choose from. */
#import <AppKit/AppKit.h>
#import <AddressBook/ABAddressBook.h>

NS_ASSUME_NONNULL_BEGIN

API_DEPRECATED("use CNContactPicker", macos(10.3, 10.11))
@interface ABPeoplePickerView : NSView
@property (nonatomic) BOOL allowsMultipleSelection;
@property (nonatomic, readonly) NSArray<ABRecord *> *selectedRecords;
- (void)selectRecord:(nullable ABRecord *)record byExtendingSelection:(BOOL)extend;
@end

NS_ASSUME_NONNULL_END
