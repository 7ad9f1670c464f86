/* NSFileCoordinator.h: coordinated reading and writing of files among processes and file presenters. */
#import <Foundation/NSObject.h>
#import <Foundation/NSFilePresenter.h>

@class NSArray<ObjectType>, NSError, NSMutableDictionary, NSOperationQueue, NSSet<ObjectType>, NSString, NSURL;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSFileCoordinatorReadingOptions) {
    NSFileCoordinatorReadingWithoutChanges = 1 << 0,
    NSFileCoordinatorReadingResolvesSymbolicLink = 1 << 1,
    NSFileCoordinatorReadingImmediatelyAvailableMetadataOnly API_AVAILABLE(macos(10.10), ios(8.0)) = 1 << 2,
    NSFileCoordinatorReadingForUploading API_AVAILABLE(macos(10.10), ios(8.0)) = 1 << 3,
};

typedef NS_OPTIONS(NSUInteger, NSFileCoordinatorWritingOptions) {
    NSFileCoordinatorWritingForDeleting = 1 << 0,
    NSFileCoordinatorWritingForMoving = 1 << 1,
    NSFileCoordinatorWritingForMerging = 1 << 2,
    NSFileCoordinatorWritingForReplacing = 1 << 3,
    NSFileCoordinatorWritingContentIndependentMetadataOnly API_AVAILABLE(macos(10.10), ios(8.0)) = 1 << 4
};

API_AVAILABLE(macos(10.10), ios(8.0))
@interface NSFileAccessIntent : NSObject
+ (instancetype)readingIntentWithURL:(NSURL *)url options:(NSFileCoordinatorReadingOptions)options;
+ (instancetype)writingIntentWithURL:(NSURL *)url options:(NSFileCoordinatorWritingOptions)options;
@property (readonly, copy) NSURL *URL;
@end

API_AVAILABLE(macos(10.7), ios(5.0))
@interface NSFileCoordinator : NSObject
+ (void)addFilePresenter:(id<NSFilePresenter>)filePresenter;
+ (void)removeFilePresenter:(id<NSFilePresenter>)filePresenter;
@property (class, readonly, copy) NSArray<id<NSFilePresenter>> *filePresenters;
- (instancetype)initWithFilePresenter:(nullable id<NSFilePresenter>)filePresenterOrNil NS_DESIGNATED_INITIALIZER;
@property (copy) NSString *purposeIdentifier API_AVAILABLE(macos(10.13), ios(11.0));
- (void)coordinateAccessWithIntents:(NSArray<NSFileAccessIntent *> *)intents
                              queue:(NSOperationQueue *)queue
                         byAccessor:(void (^)(NSError *_Nullable error))accessor API_AVAILABLE(macos(10.10), ios(8.0));
- (void)coordinateReadingItemAtURL:(NSURL *)url
                           options:(NSFileCoordinatorReadingOptions)options
                             error:(NSError **)outError
                        byAccessor:(void(NS_NOESCAPE ^)(NSURL *newURL))reader;
- (void)coordinateWritingItemAtURL:(NSURL *)url
                           options:(NSFileCoordinatorWritingOptions)options
                             error:(NSError **)outError
                        byAccessor:(void(NS_NOESCAPE ^)(NSURL *newURL))writer;
- (void)coordinateReadingItemAtURL:(NSURL *)readingURL
                           options:(NSFileCoordinatorReadingOptions)readingOptions
                  writingItemAtURL:(NSURL *)writingURL
                           options:(NSFileCoordinatorWritingOptions)writingOptions
                             error:(NSError **)outError
                        byAccessor:(void(NS_NOESCAPE ^)(NSURL *newReadingURL, NSURL *newWritingURL))readerWriter;
- (void)coordinateWritingItemAtURL:(NSURL *)url1
                           options:(NSFileCoordinatorWritingOptions)options1
                  writingItemAtURL:(NSURL *)url2
                           options:(NSFileCoordinatorWritingOptions)options2
                             error:(NSError **)outError
                        byAccessor:(void(NS_NOESCAPE ^)(NSURL *newURL1, NSURL *newURL2))writer;
- (void)itemAtURL:(NSURL *)oldURL willMoveToURL:(NSURL *)newURL API_AVAILABLE(macos(10.8), ios(6.0));
- (void)itemAtURL:(NSURL *)oldURL didMoveToURL:(NSURL *)newURL;
- (void)cancel;
@end

NS_ASSUME_NONNULL_END
