#import <UIKit/UIKit.h>

@interface ListController : UIViewController
@end

//--- removing self from everything when the view disappears is reported; in -dealloc it is not
@implementation ListController
- (void)viewWillDisappear:(BOOL)animated {
    [super viewWillDisappear:animated];
    ↓[[NSNotificationCenter defaultCenter] removeObserver:self];
}
- (void)dealloc {
    [[NSNotificationCenter defaultCenter] removeObserver:self];
}
@end

//--- a class method named dealloc is not the instance's -dealloc
@implementation ListController
+ (void)dealloc {
    ↓[[NSNotificationCenter defaultCenter] removeObserver:self];
}
@end

//--- self under a cast or parentheses is still self
@implementation ListController
- (void)viewDidDisappear:(BOOL)animated {
    ↓[NSNotificationCenter.defaultCenter removeObserver:(id)self];
    ↓[NSNotificationCenter.defaultCenter removeObserver:(self)];
}
@end

//--- removing another object, or self for one notification, is not reported
@interface Watcher : NSObject {
    id _token;
}
@end
@implementation Watcher
- (void)stopWatching:(id)other {
    NSNotificationCenter *center = [NSNotificationCenter defaultCenter];
    [center removeObserver:_token];
    [center removeObserver:other];
    [center removeObserver:self name:UIApplicationDidBecomeActiveNotification object:nil];
    [center removeObserver:self name:nil object:nil];
}
@end

//--- a subclass of the notification center sends the same method
@interface MyCenter : NSNotificationCenter
@end
@implementation ListController
- (void)viewWillDisappear:(BOOL)animated {
    MyCenter *center = (MyCenter *)[MyCenter defaultCenter];
    ↓[center removeObserver:self];
}
@end

//--- a removeObserver: method of another class is not the notification center's
@interface Registry : NSObject
- (void)removeObserver:(id)observer;
@end
@implementation Watcher
- (void)leave:(Registry *)registry {
    [registry removeObserver:self];
}
@end

//--- a key-value observation removal is not the notification center's
@implementation Watcher
- (void)stopObserving:(NSObject *)model {
    [model removeObserver:self forKeyPath:@"name"];
}
@end
