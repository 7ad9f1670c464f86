/* ABUnknownPersonViewController.h */
#import <UIKit/UIKit.h>
#import <AddressBook/AddressBook.h>

NS_ASSUME_NONNULL_BEGIN

@protocol ABUnknownPersonViewControllerDelegate;

API_DEPRECATED("use the ContactsUI framework", ios(2.0, 9.0))
@interface ABUnknownPersonViewController : UIViewController
@property (nonatomic, weak, nullable) id<ABUnknownPersonViewControllerDelegate> unknownPersonViewDelegate;
@property (nonatomic, readwrite) ABRecordRef displayedPerson;
@end

@protocol ABUnknownPersonViewControllerDelegate <NSObject>
@end

NS_ASSUME_NONNULL_END
