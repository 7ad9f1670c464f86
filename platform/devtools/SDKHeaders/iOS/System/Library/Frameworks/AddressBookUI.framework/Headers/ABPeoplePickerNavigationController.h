/* ABPeoplePickerNavigationController.h: a navigation controller that lets the user pick a person of the address
 * book (superseded by CNContactPickerViewController). */
#import <UIKit/UIKit.h>
#import <AddressBook/AddressBook.h>

NS_ASSUME_NONNULL_BEGIN

@protocol ABPeoplePickerNavigationControllerDelegate;

API_DEPRECATED("use CNContactPickerViewController", ios(2.0, 9.0))
@interface ABPeoplePickerNavigationController : UINavigationController
@property (nonatomic, weak, nullable) id<ABPeoplePickerNavigationControllerDelegate> peoplePickerDelegate;
@property (nonatomic, copy, nullable) NSArray<NSNumber *> *displayedProperties;
@end

@protocol ABPeoplePickerNavigationControllerDelegate <NSObject>
@optional
- (void)peoplePickerNavigationController:(ABPeoplePickerNavigationController *)peoplePicker
                         didSelectPerson:(ABRecordRef)person API_AVAILABLE(ios(8.0));
- (void)peoplePickerNavigationControllerDidCancel:(ABPeoplePickerNavigationController *)peoplePicker;
@end

NS_ASSUME_NONNULL_END
