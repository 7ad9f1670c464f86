#import <UIKit/UIKit.h>

@interface TDViewController : UIViewController
@property (weak, nonatomic) IBOutlet UILabel *greetingLabel;
// Deliberately not copy: a mutable string handed in could change behind the controller's back.
@property (strong, nonatomic) NSString *greeting;
- (IBAction)greet:(id)sender;
@end
