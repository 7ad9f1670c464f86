/* NSArchiver.h: the old, non-keyed archives, deprecated in favour of keyed archiving. */
#import <Foundation/NSCoder.h>

@class NSString, NSData, NSMutableData;

NS_ASSUME_NONNULL_BEGIN

API_DEPRECATED("Use NSKeyedArchiver instead", macos(10.0, 10.13))
@interface NSArchiver : NSCoder
- (instancetype)initForWritingWithMutableData:(NSMutableData *)mdata NS_DESIGNATED_INITIALIZER;
@property (readonly, retain) NSMutableData *archiverData;
+ (NSData *)archivedDataWithRootObject:(id)rootObject;
+ (BOOL)archiveRootObject:(id)rootObject toFile:(NSString *)path;
@end

API_DEPRECATED("Use NSKeyedUnarchiver instead", macos(10.0, 10.13))
@interface NSUnarchiver : NSCoder
- (nullable instancetype)initForReadingWithData:(NSData *)data NS_DESIGNATED_INITIALIZER;
@property (getter=isAtEnd, readonly) BOOL atEnd;
+ (nullable id)unarchiveObjectWithData:(NSData *)data;
+ (nullable id)unarchiveObjectWithFile:(NSString *)path;
@end

NS_ASSUME_NONNULL_END
