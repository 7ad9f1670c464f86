#import <UIKit/UIKit.h>

//--- a property of a view controller without atomicity is reported by its name
@interface MyViewController : UIViewController
↓@property (strong) UILabel *titleLabel; // expect: id=titleLabel
↓@property NSInteger count;              // expect: id=count
↓@property (readonly) BOOL loaded;       // expect: id=loaded
@end
@implementation MyViewController
@end

//--- nonatomic and explicitly atomic properties are not reported
@interface MyViewController : UIViewController
@property (nonatomic, strong) UILabel *titleLabel;
@property (atomic, strong) UILabel *subtitleLabel;
@property (nonatomic) NSInteger count;
@end
@implementation MyViewController
@end

//--- a property of an NSObject subclass is not reported by default
@interface Model : NSObject
@property (strong) NSString *name;
@end
@implementation Model
@end

//--- with all classes looked at, the NSObject subclass is reported
| options: {"applyOnlyToUIClasses": false}
@interface Model : NSObject
↓@property (strong) NSString *name; // expect: id=name
@end
@implementation Model
@end

//--- a category and a class extension of a view subclass are judged by that class
@interface BadgeView : UIView
@end
@interface BadgeView ()
↓@property (strong) UILabel *countLabel; // expect: id=countLabel
@end
@interface BadgeView (Styling)
↓@property (strong) UIColor *badgeColor; // expect: id=badgeColor
@end
@implementation BadgeView
@end
@implementation BadgeView (Styling)
@dynamic badgeColor;
@end

//--- a category of a class of its own is not judged by a view class
@interface Model : NSObject
@end
@interface Model (Extras)
@property (strong) NSString *name;
@end
@implementation Model
@end
@implementation Model (Extras)
@dynamic name;
@end

//--- a property of a protocol has no declaring class
| options: {"applyOnlyToUIClasses": false}
@protocol Named <NSObject>
@property (strong) NSString *name;
@end
