#import <Foundation/Foundation.h>

//--- instance variables without a leading underscore and local variables with one are reported
@interface Thing : NSObject {
    ↓int count; // expect: id=count
// expect-info: The name of the instance variable count must match the regular expression ^_.+.
    int _count;
}
@end
@implementation Thing
- (void)run {
    ↓int _tmp = 0; // expect: id=_tmp
// expect-info: The name of the local variable _tmp must match the regular expression ^[^_].*.
    int tmp = _tmp;
    (void)tmp;
}
@end

//--- global variables are never checked, and other kinds only once their pattern is set
int _globalCount;
void Make_Thing(void);
typedef int thing_index;
#define lower_macro 1
@interface lowerClass : NSObject
- (void)Run_Fast;
@end
@interface lowerClass (misc)
@end

//--- functions are checked once their pattern is set
| options: {"functionNameFormat": "^[a-z]"}
void makeThing(void);
↓void MakeThing(void); // expect: id=MakeThing
// expect-info: The name of the function MakeThing must match the regular expression ^[a-z].

//--- typedefs, macros, methods, classes and categories are checked with their patterns
| options: {"typedefNameFormat": "^TQ", "macroNameFormat": "^TQ_", "objcMethodNameFormat": "^[a-z]", "objcClassNameFormat": "^TQ", "objcCategoryNameFormat": "^TQ"}
↓typedef int Index; // expect: id=Index
#define ↓LIMIT 3 // expect: id=LIMIT
#define TQ_LIMIT 3
↓@interface Box : NSObject // expect: id=Box
↓- (void)Run; // expect: id=Run
// expect-info: The name of the method Run must match the regular expression ^[a-z].
@end
↓@interface Box (Extras) // expect: id=Extras
// expect-info: The name of the Objective-C category Extras
@end

//--- a pattern without anchors passes every name that contains it
| options: {"functionNameFormat": "Foo"}
void MyFooBar(void);
↓void MyBarBaz(void); // expect: id=MyBarBaz

//--- names that a macro expansion declares are never checked
#define DECLARE_COUNTER(name) int name = 0
void f(void) {
    DECLARE_COUNTER(_hidden);
}
