| project: {"platform": "iphoneos", "configuration": "Release"}
#import <Foundation/Foundation.h>
#include <stdlib.h>
#include <unistd.h>

//--- the functions that end the process are reported in an iOS release build
void quit(int how) {
    if (how == 0) {
        ↓exit(0);
// expect-info: exit
    } else if (how == 1) {
        ↓abort();
    } else {
        ↓_Exit(1);
// expect-info: _Exit
    }
}

//--- _exit is not one of them
void quitQuietly(void) { _exit(0); }

//--- a debug build is not checked
| project: {"platform": "iphoneos", "configuration": "Debug"}
void quit(void) { exit(0); }

//--- an OS X target is not checked
| project: {"platform": "macosx", "configuration": "Release"}
void quit(void) { abort(); }
