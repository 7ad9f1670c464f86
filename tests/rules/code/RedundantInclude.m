| fixture: prefix-header

//--- a header the prefix header imports, named through another folder, is reported
↓#import "../App/Common.h"
// expect-file: App/Alpha.m
// expect-file: App/Beta.m

//--- a header the prefix header imports only indirectly is reported unless indirect inclusions are ignored
| options: {"ignoreIndirectInclusions": true}
#import "../App/Util.h"
↓#import "../App/Common.h"
// expect-file: App/Alpha.m

//--- a system header is reported only when system headers are not ignored
| options: {"ignoreSystemHeaders": false}
↓#import <Foundation/Foundation.h>
↓#import <UIKit/UIKit.h>
// expect-file: App/Alpha.m
// expect-file: App/Beta.m
// expect-file: App/Gamma.m
// expect-file: App/Log.h
// expect-file: App/Net.h
// expect-file: App/Thing+Private.h

//--- a header the prefix header does not make is not reported
#import "../App/Net.h"
// expect-file: App/Alpha.m
// expect-file: App/Beta.m
