| fixture: resources-ios
#import <UIKit/UIKit.h>

//--- a misspelt class is reported in each XIB with the declared class as suggestion
@interface MyView : UIView
@end
@implementation MyView
@end
// expect-file: App/Intro.xib
// expect-info: XIB refers to unknown class MyVeiw. Did you mean MyView?
// expect-file: App/Second.xib
// expect-info: XIB refers to unknown class MyVeiw. Did you mean MyView?

//--- without the declaration both names are unknown; the library's class, UIKit's and the first responder are not
void nothingDeclared(void) {}
// expect-file: App/Intro.xib
// expect-info: unknown class MyView.
// expect-file: App/Intro.xib
// expect-info: unknown class MyVeiw.
// expect-file: App/Second.xib
// expect-info: unknown class MyView.
// expect-file: App/Second.xib
// expect-info: unknown class MyVeiw.

//--- a class declared with both names leaves nothing unknown
@interface MyView : UIView
@end
@interface MyVeiw : UIView
@end
