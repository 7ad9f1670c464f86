| project: {"deploymentTarget": "7.0"}
#import <Foundation/Foundation.h>

//--- an unsafe_unretained property in a header is reported
| file: Downloader.h
@interface Downloader : NSObject
↓@property (unsafe_unretained) id delegate;
↓@property (nonatomic, unsafe_unretained) NSObject *owner;
@property (weak) id observer;
@property (assign) NSInteger retries;
@end
| file: Downloader.m
#import "Downloader.h"
@implementation Downloader
@end

//--- one in a class extension of an implementation file is not
@interface Downloader : NSObject
@end
@interface Downloader ()
@property (unsafe_unretained) id delegate;
@end
@implementation Downloader
@end

//--- iOS 5 has weak properties
| project: {"deploymentTarget": "5.0"}
| file: Downloader.h
@interface Downloader : NSObject
↓@property (unsafe_unretained) id delegate;
@end
| file: Downloader.m
#import "Downloader.h"
@implementation Downloader
@end

//--- before iOS 5 the rule does not run
| project: {"deploymentTarget": "4.3"}
| file: Downloader.h
@interface Downloader : NSObject
@property (unsafe_unretained) id delegate;
@end
| file: Downloader.m
#import "Downloader.h"
@implementation Downloader
@end
