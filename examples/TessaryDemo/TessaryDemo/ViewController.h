#import <UIKit/UIKit.h>

@interface TDViewController : UIViewController
@property (weak, nonatomic) IBOutlet UILabel *greetingLabel;
- (IBAction)greet:(id)sender;
@end
