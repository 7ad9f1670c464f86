#import <Foundation/Foundation.h>

//--- a header seen only by a file with ARC is reported in the header
| file: Gauge.h
@interface Gauge : NSObject
↓@property (nonatomic, assign) id delegate; // expect: id=delegate
@end
| file: Gauge.m
#import "Gauge.h"
@implementation Gauge
@end

//--- a header seen only by a file without ARC is neither reported nor a problem
| project: {"arc": false}
| file: Gauge.h
@interface Gauge : NSObject
@property (nonatomic, assign) id delegate;
@end
| file: Gauge.m
#import "Gauge.h"
@implementation Gauge
@end
