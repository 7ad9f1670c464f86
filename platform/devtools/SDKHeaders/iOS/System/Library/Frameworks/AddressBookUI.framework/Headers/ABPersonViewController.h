/* ABPersonViewController.h: a view controller that shows one person of the address book (superseded by
 * CNContactViewController). */
#import <UIKit/UIKit.h>
#import <AddressBook/AddressBook.h>

NS_ASSUME_NONNULL_BEGIN

@protocol ABPersonViewControllerDelegate;

API_DEPRECATED("use CNContactViewController", ios(2.0, 9.0))
@interface ABPersonViewController : UIViewController
@property (nonatomic, weak, nullable) id<ABPersonViewControllerDelegate> personViewDelegate;
@property (nonatomic, readwrite) ABRecordRef displayedPerson;
@property (nonatomic) BOOL allowsEditing;
@end

@protocol ABPersonViewControllerDelegate <NSObject>
@end

NS_ASSUME_NONNULL_END
