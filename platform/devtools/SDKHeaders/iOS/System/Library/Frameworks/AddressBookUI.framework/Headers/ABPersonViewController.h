/* ABPersonViewController.h */
#import <UIKit/UIKit.h>
#import <AddressBook/AddressBook.h>

NS_ASSUME_NONNULL_BEGIN

@protocol ABPersonViewControllerDelegate;

API_DEPRECATED("use the ContactsUI framework", ios(2.0, 9.0))
@interface ABPersonViewController : UIViewController
@property (nonatomic, weak, nullable) id<ABPersonViewControllerDelegate> personViewDelegate;
@property (nonatomic, readwrite) ABRecordRef displayedPerson;
@end

@protocol ABPersonViewControllerDelegate <NSObject>
@end

NS_ASSUME_NONNULL_END
