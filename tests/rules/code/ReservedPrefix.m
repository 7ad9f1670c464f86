#import <Foundation/Foundation.h>

//--- a function with a prefix of Apple's frameworks is reported as a warning, with the advice
↓void NSMakeThing(void); // expect: id=NS
// expect-info: The NS prefix is used. This prefix is already used in the
// expect-info: by Apple. The prefixes in your own (or third-party) code should be at least three characters long.
// expect-severity: 5

//--- a class with a three-character prefix of Apple's frameworks is reported as well
↓@interface XCTHelper : NSObject // expect: id=XCT
// expect-info: This prefix is already used in the XCTest framework by Apple.
// expect-severity: 5
@end

//--- macros, typedefs and protocols with a framework's prefix are reported
#define ↓NSThingCount 3 // expect: id=NS
↓typedef int UIThingIndex; // expect: id=UI
↓@protocol NSThingDelegate // expect: id=NS
@end

//--- a two-character prefix that no framework uses is reported as a concern
↓@interface QZThing : NSObject // expect: id=QZ
// expect-info: The QZ prefix is used. Two-character prefixes are reserved for Apple’s system frameworks. The prefixes
// expect-severity: 3
@end

//--- a two-character prefix that no framework uses may be allowed
| options: {"allowNonOverlappingTwoCharPrefix": true}
@interface QZThing : NSObject
@end

//--- a project prefix, a forward protocol declaration and a root class are not reported
@interface TQXThing : NSObject
@end
@protocol NSBar;
__attribute__((objc_root_class))
@interface NSRoot
@end
@class NSForward;
void TQXMakeThing(void);

//--- names without a prefix are not reported
@interface Thing : NSObject
@end
void makeThing(void);

//--- on a platform with no table of framework prefixes only two-character class prefixes are reported
| project: {"platform": "watchos"}
void NSMakeThing(void);
@interface XCTHelper : NSObject
@end
↓@interface QZThing : NSObject // expect: id=QZ
@end

//--- on macOS the table of OS X is used
| project: {"platform": "macosx"}
↓@interface NSMyView : NSObject // expect: id=NS
@end
