#import <UIKit/UIKit.h>

@interface Observer : NSObject
@end

//--- observing a UIKit object is reported, named by its class
@implementation Observer
- (void)watchTable:(UITableView *)table view:(UIView *)view {
    ↓[table addObserver:self forKeyPath:@"contentOffset" options:0 context:NULL]; // expect: id=UITableView
    ↓[view addObserver:self forKeyPath:@"frame" options:NSKeyValueObservingOptionNew context:NULL]; // expect: id=UIView
}
@end

//--- a project's own UIView subclass is allowed by default
@interface Gauge : UIView
@property (nonatomic) double level;
@end
@implementation Observer
- (void)watchGauge:(Gauge *)gauge {
    [gauge addObserver:self forKeyPath:@"level" options:0 context:NULL];
}
@end

//--- a project's own UIView subclass is reported when subclasses are not allowed
| options: {"allowSubclasses": false}
@interface Gauge : UIView
@property (nonatomic) double level;
@end
@implementation Observer
- (void)watchGauge:(Gauge *)gauge {
    ↓[gauge addObserver:self forKeyPath:@"level" options:0 context:NULL]; // expect: id=Gauge
}
@end

//--- a document's user activity may be observed, as a literal or through its selector
@implementation Observer
- (void)watchDocument:(UIDocument *)document {
    [document addObserver:self forKeyPath:@"userActivity" options:0 context:NULL];
    [document addObserver:self forKeyPath:NSStringFromSelector(@selector(userActivity)) options:0 context:NULL];
}
@end

//--- another key path of a document, or one in a variable, is reported
@implementation Observer
- (void)watchDocument:(UIDocument *)document keyPath:(NSString *)keyPath {
    ↓[document addObserver:self forKeyPath:@"fileModificationDate" options:0 context:NULL]; // expect: id=UIDocument
    ↓[document addObserver:self forKeyPath:keyPath options:0 context:NULL];
    ↓[document addObserver:self forKeyPath:NSStringFromSelector(@selector(fileType)) options:0 context:NULL];
}
@end

//--- a document subclass's user activity is allowed also when subclasses are not
| options: {"allowSubclasses": false}
@interface Notebook : UIDocument
@end
@implementation Observer
- (void)watchNotebook:(Notebook *)notebook {
    [notebook addObserver:self forKeyPath:@"userActivity" options:0 context:NULL];
    ↓[notebook addObserver:self forKeyPath:@"documentState" options:0 context:NULL]; // expect: id=Notebook
}
@end

//--- a plain object and an untyped receiver are not reported
@interface Model : NSObject
@property (nonatomic) NSInteger count;
@end
@implementation Observer
- (void)watchModel:(Model *)model other:(id)other {
    [model addObserver:self forKeyPath:@"count" options:0 context:NULL];
    [other addObserver:self forKeyPath:@"count" options:0 context:NULL];
}
@end

//--- a project function of the same name does not give a key path
NSString *NSStringFromSelectorName(SEL selector);
@implementation Observer
- (void)watchDocument:(UIDocument *)document {
    ↓[document addObserver:self forKeyPath:NSStringFromSelectorName(@selector(userActivity)) options:0 context:NULL];
}
@end
