/* ABPeoplePickerNavigationController.h */
#import <UIKit/UIKit.h>
#import <AddressBook/AddressBook.h>

NS_ASSUME_NONNULL_BEGIN

@protocol ABPeoplePickerNavigationControllerDelegate;

API_DEPRECATED("use the ContactsUI framework", ios(2.0, 9.0))
@interface ABPeoplePickerNavigationController : UINavigationController
@property (nonatomic, weak, nullable) id<ABPeoplePickerNavigationControllerDelegate> peoplePickerDelegate;

@end

@protocol ABPeoplePickerNavigationControllerDelegate <NSObject>
@end

NS_ASSUME_NONNULL_END
