#import <Foundation/Foundation.h>

//--- macros whose bodies are literals are reported
#define ↓ANSWER 42 // expect: id=ANSWER
#define ↓WRAPPED (42) // expect: id=WRAPPED
#define ↓GREETING @"s" // expect: id=GREETING
#define ↓JOINED "a" "b" // expect: id=JOINED
#define ↓SPACING ((CGFloat)2.0) // expect: id=SPACING
#define ↓CAST (CGFloat)2.0 // expect: id=CAST
#define ↓NOTHING () // expect: id=NOTHING

//--- the allowed literals, expressions, names, keyword casts, function-like and empty macros are not
#define ZERO 0
#define ONE 1
#define KEYWORD_CAST (int)2
#define SUM 1 + 2
#define ALIAS ANSWER
#define TWICE(x) 42
#define PAREN_FUNCTION() (42)
#define EMPTY_FUNCTION()
#define EMPTY
#define TWO_ATS @@"s"

//--- the allowed literals can be configured
| options: {"allowedLiterals": ["42"]}
#define ANSWER 42
#define ↓ZERO 0 // expect: id=ZERO
