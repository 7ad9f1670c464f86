typedef enum { Red, Green, Blue } Colour;

//--- a default beside cases for every enumerator is reported on the default label
int brightness(Colour colour) {
    switch (colour) {
    case Red: return 1;
    case Green: return 2;
    case Blue: return 3;
    ↓default: return 0;
    }
}

//--- a default that covers a missing enumerator is not
int warmth(Colour colour) {
    switch (colour) {
    case Red: return 1;
    case Green: return 2;
    default: return 0;
    }
}

//--- a default in a switch over bit-mask options handles combined values and is not reported
#import <Foundation/Foundation.h>
typedef NS_OPTIONS(NSUInteger, Edges) { EdgeTop = 1 << 0, EdgeBottom = 1 << 1 };
typedef NS_ENUM(NSInteger, Side) { SideLeft, SideRight };
int inset(Edges edges, Side side) {
    switch (edges) {
    case EdgeTop: return 1;
    case EdgeBottom: return 2;
    default: return 3;
    }
    switch (side) {
    case SideLeft: return 1;
    case SideRight: return 2;
    ↓default: return 0;
    }
}
