#import <UIKit/UIKit.h>
#import <MapKit/MapKit.h>

//--- a restricted method called on another object is reported with its documentation
@interface Controller : UIViewController
@end
@implementation Controller
- (void)refresh:(UIView *)view {
    ↓[view layoutSubviews];
}
// expect-info: The -[UIView layoutSubviews] method should not be called directly.
@end

//--- an override calling the superclass's implementation is never reported
| options: {"allowInSubclass": false}
@interface Panel : UIView
@end
@implementation Panel
- (void)layoutSubviews {
    [super layoutSubviews];
}
@end

//--- calls to self and super from a subclass are allowed by default
@interface Panel : UIView
@end
@implementation Panel
- (void)refresh {
    [self layoutSubviews];
    [super layoutSubviews];
}
@end

//--- calls to self and super from a subclass are reported when not allowed
| options: {"allowInSubclass": false}
@interface Panel : UIView
@end
@implementation Panel
- (void)refresh {
    ↓[self layoutSubviews];
    ↓[super layoutSubviews];
}
@end

//--- the derived setters of an annotation view are restricted, as messages
void select(MKAnnotationView *annotationView) {
    ↓[annotationView setSelected:YES];
    ↓[annotationView setSelected:NO animated:YES];
    ↓[annotationView setHighlighted:YES];
    annotationView.highlighted = YES;
}

//--- only the time zone factory with data is restricted
void zones(NSString *name, NSData *data) {
    ↓[NSTimeZone timeZoneWithName:name data:data];
    [NSTimeZone timeZoneWithName:name];
    (void)↓[[NSTimeZone alloc] initWithName:name data:data];
}

//--- a method of the same name on a class outside the table is not reported
@interface Worker : NSObject
- (void)main;
@end
@interface Runner : NSThread
@end
void run(Worker *worker, NSThread *thread) {
    [worker main];
    ↓[thread main];
}
