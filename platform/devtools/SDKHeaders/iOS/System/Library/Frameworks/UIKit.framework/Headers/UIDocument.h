/* UIDocument.h: a document backed by a file, read and saved in the background, with its state and user activity. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIDocumentChangeKind) {
    UIDocumentChangeDone,
    UIDocumentChangeUndone,
    UIDocumentChangeRedone,
    UIDocumentChangeCleared
} API_AVAILABLE(ios(5.0));

typedef NS_ENUM(NSInteger, UIDocumentSaveOperation) {
    UIDocumentSaveForCreating,
    UIDocumentSaveForOverwriting
} API_AVAILABLE(ios(5.0));

typedef NS_OPTIONS(NSUInteger, UIDocumentState) {
    UIDocumentStateNormal = 0,
    UIDocumentStateClosed = 1 << 0,
    UIDocumentStateInConflict = 1 << 1,
    UIDocumentStateSavingError = 1 << 2,
    UIDocumentStateEditingDisabled = 1 << 3,
    UIDocumentStateProgressAvailable = 1 << 4
} API_AVAILABLE(ios(5.0));

UIKIT_EXTERN NSNotificationName const UIDocumentStateChangedNotification API_AVAILABLE(ios(5.0));

API_AVAILABLE(ios(5.0))
@interface UIDocument : NSObject <NSProgressReporting>

- (instancetype)initWithFileURL:(NSURL *)url NS_DESIGNATED_INITIALIZER;

@property (readonly) NSURL *fileURL;
@property (readonly, copy) NSString *localizedName;
@property (readonly, copy, nullable) NSString *fileType;
@property (copy, nullable) NSDate *fileModificationDate;
@property (readonly) UIDocumentState documentState;

#if defined(__BLOCKS__)
- (void)openWithCompletionHandler:(void (^__nullable)(BOOL success))completionHandler;
- (void)closeWithCompletionHandler:(void (^__nullable)(BOOL success))completionHandler;
- (void)saveToURL:(NSURL *)url
     forSaveOperation:(UIDocumentSaveOperation)saveOperation
    completionHandler:(void (^__nullable)(BOOL success))completionHandler;
- (void)autosaveWithCompletionHandler:(void (^__nullable)(BOOL success))completionHandler;
#endif

- (BOOL)loadFromContents:(id)contents ofType:(nullable NSString *)typeName error:(NSError **)outError;
- (nullable id)contentsForType:(NSString *)typeName error:(NSError **)outError;

@property (readonly) BOOL hasUnsavedChanges;
- (void)updateChangeCount:(UIDocumentChangeKind)change;

@end

@interface UIDocument (ActivityContinuation)
@property (nonatomic, strong, nullable) NSUserActivity *userActivity API_AVAILABLE(ios(8.0));
- (void)updateUserActivityState:(NSUserActivity *)userActivity API_AVAILABLE(ios(8.0));
- (void)restoreUserActivityState:(NSUserActivity *)userActivity API_AVAILABLE(ios(8.0));
@end

NS_ASSUME_NONNULL_END
