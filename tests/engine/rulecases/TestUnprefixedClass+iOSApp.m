| fixture: iOSApp
| project: {"classPrefix": "TQX"}
#import <UIKit/UIKit.h>

//--- the fixture project's classes are reported in their own files
@interface TQXCase : NSObject
@end
// expect-file: iOSApp/AppDelegate.h id=IAAppDelegate

//--- the fixture's own prefix
| project: {"classPrefix": "IA"}
↓@interface Unprefixed : UIView
@end
