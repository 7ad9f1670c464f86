/* NSKeyedArchiver.h: keyed archives: archiving object graphs to data and reading them back. */
#import <Foundation/NSCoder.h>
#import <Foundation/NSPropertyList.h>

@class NSArray<ObjectType>, NSData, NSString, NSMutableData, NSSet<ObjectType>;

NS_ASSUME_NONNULL_BEGIN

FOUNDATION_EXPORT NSExceptionName const NSInvalidArchiveOperationException;
FOUNDATION_EXPORT NSExceptionName const NSInvalidUnarchiveOperationException;
FOUNDATION_EXPORT NSString *const NSKeyedArchiveRootObjectKey API_AVAILABLE(macos(10.9), ios(7.0));

@protocol NSKeyedArchiverDelegate, NSKeyedUnarchiverDelegate;

@interface NSKeyedArchiver : NSCoder
@property (nullable, assign) id<NSKeyedArchiverDelegate> delegate;
@property NSPropertyListFormat outputFormat;
+ (void)setClassName:(nullable NSString *)codedName forClass:(Class)cls;
- (void)setClassName:(nullable NSString *)codedName forClass:(Class)cls;
+ (BOOL)archiveRootObject:(id)rootObject toFile:(NSString *)path
    API_DEPRECATED("Use +archivedDataWithRootObject:requiringSecureCoding:error: instead", macos(10.2, 10.14),
                   ios(2.0, 12.0));
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
@property (nullable, assign) id<NSKeyedUnarchiverDelegate> delegate;
+ (void)setClass:(nullable Class)cls forClassName:(NSString *)codedName;
- (void)setClass:(nullable Class)cls forClassName:(NSString *)codedName;
+ (nullable id)unarchiveObjectWithFile:(NSString *)path
    API_DEPRECATED("Use +unarchivedObjectOfClass:fromData:error: instead", macos(10.2, 10.14), ios(2.0, 12.0));
+ (nullable id)unarchiveTopLevelObjectWithData:(NSData *)data error:(NSError **)error
    API_DEPRECATED("Use +unarchivedObjectOfClass:fromData:error: instead", macos(10.11, 10.14), ios(9.0, 12.0));
- (nullable instancetype)initForReadingFromData:(NSData *)data
                                          error:(NSError **)error API_AVAILABLE(macos(10.13), ios(11.0));
+ (nullable id)unarchivedObjectOfClass:(Class)cls
                              fromData:(NSData *)data
                                 error:(NSError **)error API_AVAILABLE(macos(10.13), ios(11.0));
+ (nullable id)unarchivedObjectOfClasses:(NSSet<Class> *)classes
                                fromData:(NSData *)data
                                   error:(NSError **)error API_AVAILABLE(macos(10.13), ios(11.0));
+ (nullable NSArray *)unarchivedArrayOfObjectsOfClass:(Class)cls
                                             fromData:(NSData *)data
                                                error:(NSError **)error API_AVAILABLE(macos(11.0), ios(14.0));
+ (nullable NSArray *)unarchivedArrayOfObjectsOfClasses:(NSSet<Class> *)classes
                                               fromData:(NSData *)data
                                                  error:(NSError **)error API_AVAILABLE(macos(11.0), ios(14.0));
+ (nullable NSDictionary *)unarchivedDictionaryWithKeysOfClass:(Class)keyCls
                                                objectsOfClass:(Class)valueCls
                                                      fromData:(NSData *)data
                                                         error:(NSError **)error
    API_AVAILABLE(macos(11.0), ios(14.0));
+ (nullable id)unarchiveObjectWithData:(NSData *)data
    API_DEPRECATED("Use +unarchivedObjectOfClass:fromData:error: instead", macos(10.2, 10.14), ios(2.0, 12.0));
- (instancetype)initForReadingWithData:(NSData *)data
    API_DEPRECATED("Use -initForReadingFromData:error: instead", macos(10.2, 10.14), ios(2.0, 12.0));
- (void)finishDecoding;
@property BOOL requiresSecureCoding API_AVAILABLE(macos(10.8), ios(6.0));
@end

@protocol NSKeyedArchiverDelegate <NSObject>
@optional
- (nullable id)archiver:(NSKeyedArchiver *)archiver willEncodeObject:(id)object;
- (void)archiver:(NSKeyedArchiver *)archiver didEncodeObject:(nullable id)object;
- (void)archiver:(NSKeyedArchiver *)archiver willReplaceObject:(nullable id)object withObject:(nullable id)newObject;
- (void)archiverWillFinish:(NSKeyedArchiver *)archiver;
- (void)archiverDidFinish:(NSKeyedArchiver *)archiver;
@end

@protocol NSKeyedUnarchiverDelegate <NSObject>
@optional
- (nullable Class)unarchiver:(NSKeyedUnarchiver *)unarchiver
    cannotDecodeObjectOfClassName:(NSString *)name
                  originalClasses:(NSArray<NSString *> *)classNames;
- (nullable id)unarchiver:(NSKeyedUnarchiver *)unarchiver didDecodeObject:(nullable id)NS_RELEASES_ARGUMENT object NS_RETURNS_RETAINED;
- (void)unarchiver:(NSKeyedUnarchiver *)unarchiver willReplaceObject:(id)object withObject:(id)newObject;
- (void)unarchiverWillFinish:(NSKeyedUnarchiver *)unarchiver;
- (void)unarchiverDidFinish:(NSKeyedUnarchiver *)unarchiver;
@end

@interface NSObject (NSKeyedArchiverObjectSubstitution)
@property (nullable, readonly) Class classForKeyedArchiver;
- (nullable id)replacementObjectForKeyedArchiver:(NSKeyedArchiver *)archiver;
+ (NSArray<NSString *> *)classFallbacksForKeyedArchiver;
@end

@interface NSObject (NSKeyedUnarchiverObjectSubstitution)
+ (Class)classForKeyedUnarchiver;
@end

NS_ASSUME_NONNULL_END
