#import <Foundation/Foundation.h>

//--- classes without a prefix are reported
↓@interface Thing : NSObject // expect: id=Thing
@end
↓@interface AppDelegate : NSObject // expect: id=AppDelegate
@end

//--- prefixed names, acronyms and root classes are not reported
@interface TQXThing : NSObject
@end
@interface URLLoader : NSObject
@end
__attribute__((objc_root_class))
@interface Root
@end
@class Forward;

//--- the project's class prefix counts whatever its length
| project: {"classPrefix": "Th"}
@interface Thing : NSObject
@end
↓@interface Widget : NSObject // expect: id=Widget
@end

//--- the project's class prefix is compared case-sensitively
| project: {"classPrefix": "th"}
↓@interface Thing : NSObject // expect: id=Thing
@end
