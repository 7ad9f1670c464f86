#import <Foundation/Foundation.h>
int counter;

//--- macros that use only their parameters are reported
#define ↓MAX_OF(a, b) ((a) > (b) ? (a) : (b)) // expect: id=MAX_OF
#define ↓F(x) // expect: id=F

//--- globals, stringising, pasting and names of the expansion site are not
#define WITH_GLOBAL(x) ((x) + counter)
#define CALLS(x) abs(x)
#define NAME_OF(x) #x
#define PASTE(a, b) a##b
#define WHERE(x) ((x) + __LINE__)
#define SELECTOR_OF(x) ((x) ? _cmd : NULL)

//--- object-like macros and a blank between name and parenthesis are never reported
#define OBJECT_LIKE 42
#define SPACED (x) (x)

//--- a variadic macro is reported unless such macros are allowed
#define ↓FIRST(x, ...) (x) // expect: id=FIRST

//--- allowed variadic macros
| options: {"allowVarargMacros": true}
#define FIRST(x, ...) (x)
