/* NSKeyedArchiver.h: keyed archives: archiving object graphs to data and reading them back. */
#import <Foundation/NSCoder.h>

@class NSArray<ObjectType>, NSData, NSString, NSMutableData, NSSet<ObjectType>;

NS_ASSUME_NONNULL_BEGIN

FOUNDATION_EXPORT NSExceptionName const NSInvalidArchiveOperationException;
FOUNDATION_EXPORT NSExceptionName const NSInvalidUnarchiveOperationException;
FOUNDATION_EXPORT NSString *const NSKeyedArchiveRootObjectKey API_AVAILABLE(macos(10.9), ios(7.0));

@interface NSKeyedArchiver : NSCoder
- (instancetype)initRequiringSecureCoding:(BOOL)requiresSecureCoding API_AVAILABLE(macos(10.13), ios(11.0));
+ (nullable NSData *)archivedDataWithRootObject:(id)object
                          requiringSecureCoding:(BOOL)requiresSecureCoding
                                          error:(NSError **)error API_AVAILABLE(macos(10.13), ios(11.0));
+ (NSData *)archivedDataWithRootObject:(id)rootObject
    API_DEPRECATED("Use +archivedDataWithRootObject:requiringSecureCoding:error: instead", macos(10.4, 10.14),
                   ios(2.0, 12.0));
@property (readonly, strong) NSData *encodedData API_AVAILABLE(macos(10.12), ios(10.0));
- (instancetype)initForWritingWithMutableData:(NSMutableData *)data
    API_DEPRECATED("Use -initRequiringSecureCoding: instead", macos(10.2, 10.14), ios(2.0, 12.0));
+ (NSData *)archivedDataWithRootObject:(id)rootObject
    API_DEPRECATED("Use +archivedDataWithRootObject:requiringSecureCoding:error: instead", macos(10.2, 10.14),
                   ios(2.0, 12.0));
- (void)finishEncoding;
@property BOOL requiresSecureCoding API_AVAILABLE(macos(10.8), ios(6.0));
@end

@interface NSKeyedUnarchiver : NSCoder
- (nullable instancetype)initForReadingFromData:(NSData *)data
                                          error:(NSError **)error API_AVAILABLE(macos(10.13), ios(11.0));
+ (nullable id)unarchivedObjectOfClass:(Class)cls
                              fromData:(NSData *)data
                                 error:(NSError **)error API_AVAILABLE(macos(10.13), ios(11.0));
+ (nullable id)unarchivedObjectOfClasses:(NSSet<Class> *)classes
                                fromData:(NSData *)data
                                   error:(NSError **)error API_AVAILABLE(macos(10.13), ios(11.0));
+ (nullable id)unarchiveObjectWithData:(NSData *)data
    API_DEPRECATED("Use +unarchivedObjectOfClass:fromData:error: instead", macos(10.2, 10.14), ios(2.0, 12.0));
- (instancetype)initForReadingWithData:(NSData *)data
    API_DEPRECATED("Use -initForReadingFromData:error: instead", macos(10.2, 10.14), ios(2.0, 12.0));
- (void)finishDecoding;
@property BOOL requiresSecureCoding API_AVAILABLE(macos(10.8), ios(6.0));
@end

NS_ASSUME_NONNULL_END
