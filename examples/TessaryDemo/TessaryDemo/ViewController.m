#import "ViewController.h"

@implementation TDViewController

- (void)viewDidLoad {
    [super viewDidLoad];
    self.greetingLabel.text = NSLocalizedString(@"greeting.title", nil);
}

- (IBAction)greet:(id)sender {
    self.greetingLabel.text = NSLocalizedString(@"greeting.missing", nil);
    UIImage *logo = [UIImage imageNamed:@"Logo"];
    (void)logo;
}

@end
