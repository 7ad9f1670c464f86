| project: {"platform": "macosx"}
#import <Foundation/Foundation.h>

//--- OS X 10.7 has weak properties
| project: {"deploymentTarget": "10.7"}
| file: Downloader.h
@interface Downloader : NSObject
↓@property (unsafe_unretained) id delegate;
@end
| file: Downloader.m
#import "Downloader.h"
@implementation Downloader
@end

//--- before OS X 10.7 the rule does not run
| project: {"deploymentTarget": "10.6"}
| file: Downloader.h
@interface Downloader : NSObject
@property (unsafe_unretained) id delegate;
@end
| file: Downloader.m
#import "Downloader.h"
@implementation Downloader
@end
