| project: {"platform": "macosx", "deploymentTarget": "10.13"}
#import <Cocoa/Cocoa.h>

//--- a property typed as the OS X application delegate is exempt
@interface AppDelegate : NSObject <NSApplicationDelegate>
@end
@interface Gauge : NSObject
@property (nonatomic, strong) AppDelegate *appDelegate;
@end

//--- a class adopting only the iOS protocol's name is not exempt on OS X
@protocol UIApplicationDelegate <NSObject>
@end
@interface AppDelegate : NSObject <UIApplicationDelegate>
@end
@interface Gauge : NSObject
↓@property (nonatomic, strong) AppDelegate *appDelegate; // expect: id=appDelegate
@end
