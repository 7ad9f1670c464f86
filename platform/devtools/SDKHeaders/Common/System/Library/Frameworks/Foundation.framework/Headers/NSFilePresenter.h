/* NSFilePresenter.h: objects that present a file or folder to the user and cooperate with file coordination. */
#import <Foundation/NSObject.h>
#import <Foundation/NSURL.h>

@class NSError, NSFileVersion, NSOperationQueue, NSSet<ObjectType>, NSURL;

NS_ASSUME_NONNULL_BEGIN

@protocol NSFilePresenter <NSObject>
@required
@property (nullable, readonly, copy) NSURL *presentedItemURL;
@property (readonly, retain) NSOperationQueue *presentedItemOperationQueue;
@optional
@property (nullable, readonly, copy) NSURL *primaryPresentedItemURL API_AVAILABLE(macos(10.8)) API_UNAVAILABLE(ios);
- (void)relinquishPresentedItemToReader:(void (^)(void (^_Nullable reacquirer)(void)))reader;
- (void)relinquishPresentedItemToWriter:(void (^)(void (^_Nullable reacquirer)(void)))writer;
- (void)savePresentedItemChangesWithCompletionHandler:(void (^)(NSError *_Nullable errorOrNil))completionHandler;
- (void)accommodatePresentedItemDeletionWithCompletionHandler:
    (void (^)(NSError *_Nullable errorOrNil))completionHandler;
- (void)accommodatePresentedItemEvictionWithCompletionHandler:
    (void (^)(NSError *_Nullable errorOrNil))completionHandler API_AVAILABLE(macos(14.0), ios(17.0));
- (void)presentedItemDidMoveToURL:(NSURL *)newURL;
- (void)presentedItemDidChange;
- (void)presentedItemDidChangeUbiquityAttributes:(NSSet<NSURLResourceKey> *)attributes
    API_AVAILABLE(macos(10.13), ios(11.0));
@property (readonly, strong) NSSet<NSURLResourceKey> *observedPresentedItemUbiquityAttributes
    API_AVAILABLE(macos(10.13), ios(11.0));
- (void)presentedItemDidGainVersion:(NSFileVersion *)version;
- (void)presentedItemDidLoseVersion:(NSFileVersion *)version;
- (void)presentedItemDidResolveConflictVersion:(NSFileVersion *)version;
- (void)accommodatePresentedSubitemDeletionAtURL:(NSURL *)url
                               completionHandler:(void (^)(NSError *_Nullable errorOrNil))completionHandler;
- (void)presentedSubitemDidAppearAtURL:(NSURL *)url;
- (void)presentedSubitemAtURL:(NSURL *)oldURL didMoveToURL:(NSURL *)newURL;
- (void)presentedSubitemDidChangeAtURL:(NSURL *)url;
- (void)presentedSubitemAtURL:(NSURL *)url didGainVersion:(NSFileVersion *)version;
- (void)presentedSubitemAtURL:(NSURL *)url didLoseVersion:(NSFileVersion *)version;
- (void)presentedSubitemAtURL:(NSURL *)url didResolveConflictVersion:(NSFileVersion *)version;
@end

NS_ASSUME_NONNULL_END
