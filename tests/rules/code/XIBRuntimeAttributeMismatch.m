| fixture: xib-attributes
#import <UIKit/UIKit.h>

//--- unknown keys and values of the wrong type are reported on the XIB; objects of unimplemented classes are not
// Found: a property, an instance variable, a setter, a superclass property, a class extension and a category
// property; the dotted key path is not looked at. GhostView has no implementation.
void f(void);
// expect-file: App/Badge.xib id=shadowDepth
// expect-info: User-defined runtime attribute configured for unknown BadgeView key path shadowDepth. This runtime attribute is set for XIB object ID Badge-2.
// expect-file: App/Badge.xib id=icon
// expect-info: has type “boolean” (and value YES) but the type expected in setter is UIImage *.
// expect-file: App/Badge.xib id=rank
// expect-info: has type “string” (and value &lt;b&gt; &amp; co) but the type expected in setter is NSInteger.
// expect-file: App/BadgeList.xib id=shadowDepth
// expect-info: This runtime attribute is set for XIB object ID List-1.

//--- once implemented, a class's keys are checked, a setter's type read from its parameter
@interface GhostView : UIView
- (void)setGlowing:(BOOL)glowing __attribute__((annotate("glow")));
@end
@implementation GhostView
- (void)setGlowing:(BOOL)glowing {
}
@end
// expect-file: App/Badge.xib id=shadowDepth
// expect-file: App/Badge.xib id=icon
// expect-file: App/Badge.xib id=rank
// expect-file: App/BadgeList.xib id=shadowDepth
// expect-file: App/Badge.xib id=glowing
// expect-info: GhostView key path glowing has type “string” (and value on) but the type expected in setter is BOOL.
// expect-file: App/Badge.xib id=mood
// expect-info: unknown GhostView key path mood.
