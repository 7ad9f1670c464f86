/* NSJSONSerialization.h: converting between JSON data and Foundation objects. */
#import <Foundation/NSObject.h>

@class NSError, NSOutputStream, NSInputStream, NSData;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSJSONReadingOptions) {
    NSJSONReadingMutableContainers = (1UL << 0),
    NSJSONReadingMutableLeaves = (1UL << 1),
    NSJSONReadingFragmentsAllowed = (1UL << 2),
    NSJSONReadingJSON5Allowed API_AVAILABLE(macos(12.0), ios(15.0)) = (1UL << 3),
    NSJSONReadingTopLevelDictionaryAssumed API_AVAILABLE(macos(12.0), ios(15.0)) = (1UL << 4),
    NSJSONReadingAllowFragments = NSJSONReadingFragmentsAllowed,
} API_AVAILABLE(macos(10.7), ios(5.0));

typedef NS_OPTIONS(NSUInteger, NSJSONWritingOptions) {
    NSJSONWritingPrettyPrinted = (1UL << 0),
    NSJSONWritingSortedKeys API_AVAILABLE(macos(10.13), ios(11.0)) = (1UL << 1),
    NSJSONWritingFragmentsAllowed = (1UL << 2),
    NSJSONWritingWithoutEscapingSlashes API_AVAILABLE(macos(10.15), ios(13.0)) = (1UL << 3),
} API_AVAILABLE(macos(10.7), ios(5.0));

API_AVAILABLE(macos(10.7), ios(5.0))
@interface NSJSONSerialization : NSObject

+ (BOOL)isValidJSONObject:(id)obj;
+ (nullable NSData *)dataWithJSONObject:(id)obj options:(NSJSONWritingOptions)opt error:(NSError **)error;
+ (nullable id)JSONObjectWithData:(NSData *)data options:(NSJSONReadingOptions)opt error:(NSError **)error;

@end

NS_ASSUME_NONNULL_END
