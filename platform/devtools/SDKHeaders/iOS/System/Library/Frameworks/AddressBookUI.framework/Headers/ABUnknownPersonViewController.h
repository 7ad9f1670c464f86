/* ABUnknownPersonViewController.h: a view controller that shows a person not yet in the address book and offers to
 * add it (superseded by CNContactViewController). */
#import <UIKit/UIKit.h>
#import <AddressBook/AddressBook.h>

NS_ASSUME_NONNULL_BEGIN

@protocol ABUnknownPersonViewControllerDelegate;

API_DEPRECATED("use CNContactViewController", ios(3.0, 9.0))
@interface ABUnknownPersonViewController : UIViewController
@property (nonatomic, weak, nullable) id<ABUnknownPersonViewControllerDelegate> unknownPersonViewDelegate;
@property (nonatomic, readwrite) ABRecordRef displayedPerson;
@property (nonatomic, copy, nullable) NSString *alternateName;
@property (nonatomic) BOOL allowsAddingToAddressBook;
@end

@protocol ABUnknownPersonViewControllerDelegate <NSObject>
- (void)unknownPersonViewController:(ABUnknownPersonViewController *)unknownCardViewController
                 didResolveToPerson:(nullable ABRecordRef)person;
@end

NS_ASSUME_NONNULL_END
