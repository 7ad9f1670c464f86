#import <Foundation/Foundation.h>
#define DECLARE_RESERVED(name) static int __##name = 0

//--- names beginning with two underscores or an underscore and a capital are reported under the C text
↓int __x; // expect: id=__x
// expect-info: All identifiers that begin with an underscore and either an uppercase letter or another underscore are always reserved for any use
↓void _X(void); // expect: id=_X
#define ↓__MY_MACRO 1 // expect: id=__MY_MACRO

//--- an underscore and a lower-case letter, and the single underscore, are not reserved
int _x;
int _;

//--- a typedef ending in _t is reported under the POSIX text, a variable is not
↓typedef int thing_t; // expect: id=thing_t
// expect-info: POSIX reserves all names that end in _t for future use as types.
int other_t;

//--- a typedef reserved both ways gets the C text only
↓typedef int _Foo_t; // expect: id=_Foo_t
// expect-info: the C99 standard §7.1.3

//--- without the C test it gets the POSIX text
| options: {"checkCStandard": false}
↓typedef int _Foo_t; // expect: id=_Foo_t
// expect-info: POSIX reserves all names
int __y;

//--- without the POSIX test a typedef ending in _t passes
| options: {"checkPOSIXStandard": false}
typedef int thing_t;

//--- parameters, fields and methods are declarations too
struct Box {
    ↓int __width; // expect: id=__width
};
void f(↓int __count); // expect: id=__count

//--- declarations written by a macro are not reported
DECLARE_RESERVED(hidden);
