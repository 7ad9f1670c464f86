| project: {"classPrefix": "TQX", "name": "Zorbl"}
#import <Foundation/Foundation.h>

//--- a misspelled word in a longer name gives the long message, a name of one word the short one
↓@interface TQXWidhtView : NSObject // expect: id=Widht
// expect-info: The word Widht in the symbol name TQXWidhtView may be misspelled.
@end
↓@interface Frist : NSObject // expect: id=Frist
// expect-info: The word Frist may be misspelled.
@end

//--- properties and methods are checked
@interface TQXThing : NSObject
↓@property int widht; // expect: id=widht
↓- (void)updateWidht; // expect: id=Widht
↓+ (void)resetWidht; // expect: id=Widht
@end

//--- short words, words with a known prefix, British spellings and the project's name are not reported
@interface TQXWrodView : NSObject
@end
@interface TQXRefetchView : NSObject
@end
@interface TQXColourView : NSObject
@end
@interface ZorblView : NSObject
@end
@interface TQXHTTPSURLView : NSObject
@end

//--- a shorter minimum word length reports short words
| options: {"minWordLength": 4}
↓@interface TQXWrodView : NSObject // expect: id=Wrod
@end

//--- known words count in any letter case
| options: {"knownWords": ["WIDHT"]}
@interface TQXWidhtView : NSObject
@end

//--- one word in two symbols gives two findings
↓@interface TQXWidhtView : NSObject // expect: id=Widht
@end
↓@interface TQXWidhtLabel : NSObject // expect: id=Widht
@end

//--- variables, parameters and functions are checked only with their options
int widhtValue;
void adjustWidht(int widhtDelta);

//--- variables and parameters with their option
| options: {"checkVariablesAndParameters": true}
↓int widhtValue; // expect: id=widht
void adjustWidht(↓int widhtDelta); // expect: id=widht

//--- functions with their option
| options: {"checkCFunctions": true}
↓void adjustWidht(int widhtDelta); // expect: id=Widht

//--- only public headers with their option
| options: {"checkOnlyPublicInterfaces": true}
| file: Thing.h
↓@interface TQXWidhtThing : NSObject // expect: id=Widht
@end
| file: Thing+Private.h
@interface TQXWidhtSecret : NSObject
@end
| file: Thing.m
#import "Thing.h"
#import "Thing+Private.h"
@interface TQXWidhtLocal : NSObject
@end

//--- names with characters outside ASCII are never reported
@interface TQXWidhtÜberView : NSObject
@end
