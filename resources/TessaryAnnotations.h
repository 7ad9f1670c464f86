// TessaryAnnotations.h
//
// Macros that tell Tessary not to report some of its rules for a part of your code. Each takes the short names of
// one or more rules, as Tessary prints them (for example NSLogUsed), separated by commas:
//
//   TESSARY_IGNORED_IN_FILE(NSLogUsed)               anywhere in a file: the whole file
//   TESSARY_IGNORED_IN_CLASS(NSLogUsed)              inside an @interface or @implementation: that class
//   TESSARY_IGNORED_IN_METHOD(NSLogUsed, DotSyntax)  inside a method or function: that method or function
//   TESSARY_IGNORED_IN_FUNCTION(NSLogUsed)           the same as TESSARY_IGNORED_IN_METHOD
//   TESSARY_IGNORED_ON_LINE(NSLogUsed)               on a line: that line only
//   TESSARY_IGNORED(NSLogUsed)                       the innermost method, function, class or file around it
//
// Rule names are matched without regard to letter case. Tessary warns about names it does not know and about a
// macro it cannot place inside any of the entities above.
//
// A single declaration can also be exempted from one rule with an annotation attribute:
//
//   - (void)log __attribute__((annotate("tessary:suppress:NSLogUsed")));
//
// The macros expand to nothing, so they cost nothing in your build and work in any position.

#ifndef TESSARY_ANNOTATIONS_H
#define TESSARY_ANNOTATIONS_H

#define TESSARY_IGNORED(...)
#define TESSARY_IGNORED_IN_FILE(...)
#define TESSARY_IGNORED_IN_CLASS(...)
#define TESSARY_IGNORED_IN_METHOD(...)
#define TESSARY_IGNORED_IN_FUNCTION(...)
#define TESSARY_IGNORED_ON_LINE(...)

#endif
