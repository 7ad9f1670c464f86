#import <UIKit/UIKit.h>
#import <CoreData/CoreData.h>

//--- overriding a listed method is reported with High confidence and its documentation
@interface Panel : UIView
@end
@implementation Panel
↓- (void)sizeToFit {
}
// expect-info: The -[UIView sizeToFit] method should not be overridden.
// expect-info: the documentation for this method
@end

//--- a listed method declared in a subclass's interface is reported there too
@interface Label : UILabel
↓- (void)sizeToFit;
@end

//--- a row matches only the class that declares the method
@interface Record : NSManagedObject
@end
@implementation Record
- (BOOL)isEqual:(id)object {
    return self == object;
}
↓- (NSManagedObjectID *)objectID {
    return nil;
}
// expect-info: The -[NSManagedObject objectID] method should not be overridden.
@end

//--- a method that overrides nothing is not reported
@interface Panel : UIView
@end
@implementation Panel
- (void)shrink {
}
@end

//--- a method whose system documentation forbids overriding is reported with its comment
| file: Frame.h
#pragma clang system_header
@interface Frame : NSObject
/// Resets the frame. Subclasses Should Not Override This Method & must call it <once>.
- (void)reset;
/// Redraws the frame.
- (void)redraw;
@end
| file: Case.m
#import "Frame.h"
@interface Border : Frame
@end
@implementation Border
↓- (void)reset {
}
// expect-info: The reset method should not be overridden.
// expect-info: Subclasses Should Not Override This Method &amp; must call it &lt;once&gt;.
- (void)redraw {
}
@end

//--- a listed method overridden through a superclass and a protocol is reported once
@protocol Fitting <NSObject>
- (void)sizeToFit;
@end
@interface Panel : UIView <Fitting>
@end
@implementation Panel
↓- (void)sizeToFit {
}
@end
