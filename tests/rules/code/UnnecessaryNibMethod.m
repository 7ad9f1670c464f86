| fixture: resources-ios
#import <UIKit/UIKit.h>

//--- awakeFromNib of an archived class and of its superclass is needed, of a class no XIB names it is not
@interface BaseView : UIView
@end
@implementation BaseView
- (void)awakeFromNib {
    [super awakeFromNib];
}
@end
@interface MyView : BaseView
@end
@implementation MyView
- (void)awakeFromNib {
    [super awakeFromNib];
}
@end
@interface Orphan : UIView
@end
@implementation Orphan
↓- (void)awakeFromNib { // expect: id=Orphan
    [super awakeFromNib];
}
@end

//--- a base class whose subclass is archived only when the subclass's interface is seen
@interface BaseView : UIView
@end
@implementation BaseView
↓- (void)awakeFromNib { // expect: id=BaseView
    [super awakeFromNib];
}
@end

//--- awakeFromNib in a category of an archived class is needed
@interface MyView : UIView
@end
@implementation MyView
@end
@implementation MyView (Setup)
- (void)awakeFromNib {
    [super awakeFromNib];
}
@end

//--- awakeFromNib in a category of a class no XIB names is reported under the class's name
@interface Orphan : UIView
@end
@implementation Orphan
@end
@implementation Orphan (Setup)
↓- (void)awakeFromNib { // expect: id=Orphan
    [super awakeFromNib];
}
@end

//--- an archived class whose interface was never seen keeps its finding
#pragma clang diagnostic ignored "-Wobjc-root-class"
@implementation MyVeiw
↓- (void)awakeFromNib { // expect: id=MyVeiw
}
@end

//--- a declaration alone is not an implementation
@interface Orphan : UIView
- (void)awakeFromNib;
@end
