/*
 * NSProgress.h: the progress of work, in units completed of a total, composed of the progress of child tasks, with
 * cancellation, pausing and the description that an interface shows.
 */
#import <Foundation/NSObject.h>
#import <Foundation/NSDictionary.h>

@class NSDictionary<KeyType, ObjectType>, NSMutableDictionary<KeyType, ObjectType>, NSNumber, NSProgress, NSString, NSURL,
    NSUUID;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSProgressKind NS_TYPED_EXTENSIBLE_ENUM;
typedef NSString *NSProgressUserInfoKey NS_TYPED_EXTENSIBLE_ENUM;
typedef NSString *NSProgressFileOperationKind NS_TYPED_EXTENSIBLE_ENUM;

#if defined(__BLOCKS__)
typedef void (^NSProgressUnpublishingHandler)(void);
typedef NSProgressUnpublishingHandler _Nullable (^NSProgressPublishingHandler)(NSProgress *progress);
#endif

API_AVAILABLE(macos(10.9), ios(7.0))
@interface NSProgress : NSObject

+ (nullable NSProgress *)currentProgress;
+ (NSProgress *)progressWithTotalUnitCount:(int64_t)unitCount;
+ (NSProgress *)discreteProgressWithTotalUnitCount:(int64_t)unitCount API_AVAILABLE(macos(10.11), ios(9.0));
+ (NSProgress *)progressWithTotalUnitCount:(int64_t)unitCount
                                    parent:(NSProgress *)parent
                          pendingUnitCount:(int64_t)portionOfParentTotalUnitCount
    API_AVAILABLE(macos(10.11), ios(9.0));
- (instancetype)initWithParent:(nullable NSProgress *)parentProgressOrNil
                      userInfo:(nullable NSDictionary<NSProgressUserInfoKey, id> *)userInfoOrNil
    NS_DESIGNATED_INITIALIZER;

- (void)becomeCurrentWithPendingUnitCount:(int64_t)unitCount;
#if defined(__BLOCKS__)
- (void)performAsCurrentWithPendingUnitCount:(int64_t)unitCount
                                  usingBlock:(void(NS_NOESCAPE ^)(void))work API_AVAILABLE(macos(10.11), ios(9.0));
#endif
- (void)resignCurrent;
- (void)addChild:(NSProgress *)child withPendingUnitCount:(int64_t)inUnitCount API_AVAILABLE(macos(10.11), ios(9.0));

@property int64_t totalUnitCount;
@property int64_t completedUnitCount;
@property (null_resettable, copy) NSString *localizedDescription;
@property (null_resettable, copy) NSString *localizedAdditionalDescription;
@property (getter=isCancellable) BOOL cancellable;
@property (getter=isPausable) BOOL pausable;
@property (readonly, getter=isCancelled) BOOL cancelled;
@property (readonly, getter=isPaused) BOOL paused;
#if defined(__BLOCKS__)
@property (nullable, copy) void (^cancellationHandler)(void);
@property (nullable, copy) void (^pausingHandler)(void);
@property (nullable, copy) void (^resumingHandler)(void) API_AVAILABLE(macos(10.11), ios(9.0));
#endif
- (void)setUserInfoObject:(nullable id)objectOrNil forKey:(NSProgressUserInfoKey)key;
@property (readonly, getter=isIndeterminate) BOOL indeterminate;
@property (readonly) double fractionCompleted;
@property (readonly, getter=isFinished) BOOL finished API_AVAILABLE(macos(10.13), ios(11.0));
- (void)cancel;
- (void)pause;
- (void)resume API_AVAILABLE(macos(10.11), ios(9.0));
@property (readonly, copy) NSDictionary<NSProgressUserInfoKey, id> *userInfo;
@property (nullable, copy) NSProgressKind kind;
@property (nullable, copy) NSNumber *estimatedTimeRemaining API_AVAILABLE(macos(10.13), ios(11.0));
@property (nullable, copy) NSNumber *throughput API_AVAILABLE(macos(10.13), ios(11.0));
@property (nullable, copy) NSProgressFileOperationKind fileOperationKind API_AVAILABLE(macos(10.13), ios(11.0));
@property (nullable, copy) NSURL *fileURL API_AVAILABLE(macos(10.13), ios(11.0));
@property (nullable, copy) NSNumber *fileTotalCount API_AVAILABLE(macos(10.13), ios(11.0));
@property (nullable, copy) NSNumber *fileCompletedCount API_AVAILABLE(macos(10.13), ios(11.0));

- (void)publish API_AVAILABLE(macos(10.9)) API_UNAVAILABLE(ios, watchos, tvos);
- (void)unpublish API_AVAILABLE(macos(10.9)) API_UNAVAILABLE(ios, watchos, tvos);
#if defined(__BLOCKS__)
+ (id)addSubscriberForFileURL:(NSURL *)url
        withPublishingHandler:(NSProgressPublishingHandler)publishingHandler API_AVAILABLE(macos(10.9))
    API_UNAVAILABLE(ios, watchos, tvos);
#endif
+ (void)removeSubscriber:(id)subscriber API_AVAILABLE(macos(10.9)) API_UNAVAILABLE(ios, watchos, tvos);
@property (readonly, getter=isOld) BOOL old API_AVAILABLE(macos(10.9)) API_UNAVAILABLE(ios, watchos, tvos);

@end

@protocol NSProgressReporting <NSObject>
@property (readonly) NSProgress *progress;
@end

FOUNDATION_EXPORT NSProgressUserInfoKey const NSProgressEstimatedTimeRemainingKey API_AVAILABLE(macos(10.9), ios(7.0));
FOUNDATION_EXPORT NSProgressUserInfoKey const NSProgressThroughputKey API_AVAILABLE(macos(10.9), ios(7.0));
FOUNDATION_EXPORT NSProgressKind const NSProgressKindFile API_AVAILABLE(macos(10.9), ios(7.0));
FOUNDATION_EXPORT NSProgressUserInfoKey const NSProgressFileOperationKindKey API_AVAILABLE(macos(10.9), ios(7.0));
FOUNDATION_EXPORT NSProgressFileOperationKind const NSProgressFileOperationKindDownloading
    API_AVAILABLE(macos(10.9), ios(7.0));
FOUNDATION_EXPORT NSProgressFileOperationKind const NSProgressFileOperationKindDecompressingAfterDownloading
    API_AVAILABLE(macos(10.9), ios(7.0));
FOUNDATION_EXPORT NSProgressFileOperationKind const NSProgressFileOperationKindReceiving
    API_AVAILABLE(macos(10.9), ios(7.0));
FOUNDATION_EXPORT NSProgressFileOperationKind const NSProgressFileOperationKindCopying
    API_AVAILABLE(macos(10.9), ios(7.0));
FOUNDATION_EXPORT NSProgressFileOperationKind const NSProgressFileOperationKindUploading
    API_AVAILABLE(macos(10.15), ios(13.0));
FOUNDATION_EXPORT NSProgressUserInfoKey const NSProgressFileURLKey API_AVAILABLE(macos(10.9), ios(7.0));
FOUNDATION_EXPORT NSProgressUserInfoKey const NSProgressFileTotalCountKey API_AVAILABLE(macos(10.9), ios(7.0));
FOUNDATION_EXPORT NSProgressUserInfoKey const NSProgressFileCompletedCountKey API_AVAILABLE(macos(10.9), ios(7.0));

NS_ASSUME_NONNULL_END
