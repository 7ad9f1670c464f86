| fixture: prefix-header

//--- a fourth including file raises the share of a header and it is suggested
| file: Extra.m
#import "../App/Net.h"
#import "../App/Log.h"
// expect-file: App/Net.h

//--- a threshold of zero suggests every header some source file includes
| options: {"warningThresholdPercent": 0}
| file: Extra.m
#import "../App/Util.h"
// expect-file: App/Log.h
// expect-file: App/Net.h

//--- inclusions written in headers do not count, private headers are never suggested
// (eleven source files: Log.h is in two, 18%; the private header in five)
| options: {"warningThresholdPercent": 20}
| file: Extra.h
#import "../App/Log.h"
| file: Extra.m
#import "Extra.h"
#import "../App/Thing+Private.h"
// expect-file: App/Net.h
