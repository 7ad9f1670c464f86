#import "AppDelegate.h"
#import "ViewController.h"

@implementation TDAppDelegate

- (BOOL)application:(UIApplication *)application didFinishLaunchingWithOptions:(NSDictionary *)launchOptions {
    self.window = [[UIWindow alloc] initWithFrame:[[UIScreen mainScreen] bounds]];
    self.window.rootViewController = [[TDViewController alloc] initWithNibName:@"MainView" bundle:nil];
    [self.window makeKeyAndVisible];
    NSLog(@"launched with options %@", launchOptions);
    return YES;
}

@end
