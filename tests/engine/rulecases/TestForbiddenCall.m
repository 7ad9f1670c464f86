#import <Foundation/Foundation.h>
#include <stdlib.h>

//--- a call of the function the option names by default is reported
void stop(void) { ↓abort(); }

//--- other calls are not
static void cleanUp(void) {}
void tidy(void) { atexit(cleanUp); }

//--- the option names the forbidden functions; a line may mark several findings
| options: {"functionNames": ["exit", "free"]}
void finish(void *memory) {
    ↓free(memory); ↓exit(1); // expect: id=free id=exit
    abort();
}

//--- a finding inside a method names the call
@interface Stopper : NSObject
- (void)stop;
@end
@implementation Stopper
- (void)stop { ↓abort(); } // expect: id=abort
@end

//--- an Objective-C++ file is compiled as Objective-C++
| file: Holder.mm
class Holder {
  public:
    void stop() { ↓abort(); }
};

//--- a header is checked through the file that includes it
| file: Halting.h
static inline void haltNow(void) { ↓abort(); }
| file: Halting.m
#import "Halting.h"
void haltLater(void) { haltNow(); }

//--- every implementation file of a case is checked
| file: First.m
void first(void) { ↓abort(); }
| file: Second.m
void second(void) { ↓abort(); }

//--- the project fact for ARC reaches the compiler
| project: {"arc": false}
#if __has_feature(objc_arc)
void withARC(void) { abort(); }
#else
void withoutARC(void) { ↓abort(); }
#endif

//--- the platform and deployment target reach the compiler
| project: {"platform": "macosx", "deploymentTarget": "10.15"}
#if defined(__ENVIRONMENT_MAC_OS_X_VERSION_MIN_REQUIRED__) && __ENVIRONMENT_MAC_OS_X_VERSION_MIN_REQUIRED__ >= 101500
void onCatalinaOrLater(void) { ↓abort(); }
#else
void elsewhere(void) { abort(); }
#endif

//--- the case is checked in the configuration it names
| project: {"configuration": "Release"}
#ifdef DEBUG
void inDebug(void) { abort(); }
#else
void inRelease(void) { ↓abort(); }
#endif
