/* ABNewPersonViewController.h: a view controller in which the user creates a person of the address book
 * (superseded by CNContactViewController). */
#import <UIKit/UIKit.h>
#import <AddressBook/AddressBook.h>

NS_ASSUME_NONNULL_BEGIN

@protocol ABNewPersonViewControllerDelegate;

API_DEPRECATED("use CNContactViewController", ios(2.0, 9.0))
@interface ABNewPersonViewController : UIViewController
@property (nonatomic, weak, nullable) id<ABNewPersonViewControllerDelegate> newPersonViewDelegate;
@property (nonatomic, readwrite, nullable) ABRecordRef displayedPerson;
@end

@protocol ABNewPersonViewControllerDelegate <NSObject>
- (void)newPersonViewController:(ABNewPersonViewController *)newPersonView
       didCompleteWithNewPerson:(nullable ABRecordRef)person;
@end

NS_ASSUME_NONNULL_END
