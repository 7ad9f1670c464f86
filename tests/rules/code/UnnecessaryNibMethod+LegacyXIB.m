| fixture: resources-legacy-xib
#import <UIKit/UIKit.h>

//--- a XIB that cannot be read could archive any class, so nothing is reported
@interface Orphan : UIView
@end
@implementation Orphan
- (void)awakeFromNib {
    [super awakeFromNib];
}
@end
