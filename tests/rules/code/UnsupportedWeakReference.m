| project: {"platform": "macosx"}
#import <AppKit/AppKit.h>

@interface Inspector : NSObject
@property (weak) NSView *inspectedView;
@property (weak) id target;
@property (strong) NSView *strongView;
@property (weak) NSObject *object;
@end

//--- a text view assigned to a weak property with dot syntax and through the setter is reported
void inspect(Inspector *inspector, NSTextView *textView) {
    ↓inspector.inspectedView = textView;
    // expect-info: Weak references cannot be created to instances of the NSTextView class. The inspectedView property is declared weak.
    ↓[inspector setInspectedView:textView];
    ↓inspector.target = textView;
}

//--- fonts and colour spaces are weak-unavailable too
void remember(Inspector *inspector) {
    ↓inspector.object = [NSFont systemFontOfSize:12];
    // expect-info: instances of the NSFont class
    ↓[inspector setTarget:[NSColorSpace genericRGBColorSpace]];
}

//--- a strong property, a value typed id or with another class, and nil are not reported
void keep(Inspector *inspector, NSTextView *textView, id anything, NSView *view) {
    inspector.strongView = textView;
    [inspector setStrongView:textView];
    inspector.inspectedView = anything;
    inspector.inspectedView = view;
    inspector.inspectedView = nil;
    [inspector setInspectedView:nil];
    NSView *plain = inspector.inspectedView;
    (void)plain;
}

//--- a subclass whose own declaration lacks the macro is not looked into
@interface CodeView : NSTextView
@end
void show(Inspector *inspector, CodeView *codeView) {
    inspector.inspectedView = codeView;
    [inspector setInspectedView:codeView];
}

//--- a class of the project declared with the macro is reported
NS_AUTOMATED_REFCOUNT_WEAK_UNAVAILABLE
@interface Glyph : NSObject
@end
void hold(Inspector *inspector, Glyph *glyph) {
    ↓inspector.target = glyph;
    // expect-info: instances of the Glyph class
}
