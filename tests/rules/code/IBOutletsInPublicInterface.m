| fixture: code-style
#import <Foundation/Foundation.h>

//--- only the outlet the XIB connects in the public header is reported
// Not the unconnected outlet, the connected delegate, the connected outlet of the class extension, nor the outlet of a
// view whose XIB another class owns.
void f(void);
// expect-file: App/FooViewController.h
