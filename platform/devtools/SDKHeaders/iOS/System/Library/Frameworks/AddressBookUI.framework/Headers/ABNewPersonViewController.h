/* ABNewPersonViewController.h */
#import <UIKit/UIKit.h>
#import <AddressBook/AddressBook.h>

NS_ASSUME_NONNULL_BEGIN

@protocol ABNewPersonViewControllerDelegate;

API_DEPRECATED("use the ContactsUI framework", ios(2.0, 9.0))
@interface ABNewPersonViewController : UIViewController
@property (nonatomic, weak, nullable) id<ABNewPersonViewControllerDelegate> newPersonViewDelegate;

@end

@protocol ABNewPersonViewControllerDelegate <NSObject>
@end

NS_ASSUME_NONNULL_END
