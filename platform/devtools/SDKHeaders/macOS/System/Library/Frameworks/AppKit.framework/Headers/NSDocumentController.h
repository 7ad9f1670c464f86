/* NSDocumentController.h: the application's documents: opening, creating and presenting errors for them. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSUserInterfaceValidation.h>

@class NSDocument, NSWindow;

NS_ASSUME_NONNULL_BEGIN

@interface NSDocumentController : NSObject <NSCoding>
@property (class, readonly, strong) __kindof NSDocumentController *sharedDocumentController;
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (readonly, copy) NSArray<__kindof NSDocument *> *documents;
@property (nullable, readonly, strong) __kindof NSDocument *currentDocument;
@property (nullable, readonly, copy) NSString *defaultType;
- (void)addDocument:(NSDocument *)document;
- (void)removeDocument:(NSDocument *)document;
- (void)presentError:(NSError *)error
        modalForWindow:(NSWindow *)window
              delegate:(nullable id)delegate
    didPresentSelector:(nullable SEL)didPresentSelector
           contextInfo:(nullable void *)contextInfo;
- (BOOL)presentError:(NSError *)error;
- (NSError *)willPresentError:(NSError *)error;
@end

@class NSOpenPanel, NSMenuItem;

@interface NSDocumentController (NSDocumentControllerBreadth)
- (nullable __kindof NSDocument *)documentForURL:(NSURL *)url;
- (nullable __kindof NSDocument *)documentForWindow:(NSWindow *)window;
@property (readonly) BOOL hasEditedDocuments;
@property NSTimeInterval autosavingDelay;
- (IBAction)newDocument:(nullable id)sender;
- (IBAction)openDocument:(nullable id)sender;
- (IBAction)saveAllDocuments:(nullable id)sender;
- (IBAction)clearRecentDocuments:(nullable id)sender;
- (nullable __kindof NSDocument *)openUntitledDocumentAndDisplay:(BOOL)displayDocument error:(NSError **)outError;
- (nullable __kindof NSDocument *)makeUntitledDocumentOfType:(NSString *)typeName error:(NSError **)outError;
- (void)openDocumentWithContentsOfURL:(NSURL *)url display:(BOOL)displayDocument completionHandler:(void (^)(NSDocument *_Nullable document, BOOL documentWasAlreadyOpen, NSError *_Nullable error))completionHandler API_AVAILABLE(macos(10.7));
- (nullable __kindof NSDocument *)makeDocumentWithContentsOfURL:(NSURL *)url ofType:(NSString *)typeName error:(NSError **)outError;
- (void)reopenDocumentForURL:(nullable NSURL *)urlOrNil withContentsOfURL:(NSURL *)contentsURL display:(BOOL)displayDocument completionHandler:(void (^)(NSDocument *_Nullable document, BOOL documentWasAlreadyOpen, NSError *_Nullable error))completionHandler API_AVAILABLE(macos(10.7));
- (nullable NSArray<NSURL *> *)URLsFromRunningOpenPanel;
- (NSInteger)runModalOpenPanel:(NSOpenPanel *)openPanel forTypes:(nullable NSArray<NSString *> *)types;
- (void)beginOpenPanelWithCompletionHandler:(void (^)(NSArray<NSURL *> *_Nullable))completionHandler API_AVAILABLE(macos(10.8));
- (void)beginOpenPanel:(NSOpenPanel *)openPanel forTypes:(nullable NSArray<NSString *> *)inTypes completionHandler:(void (^)(NSInteger result))completionHandler API_AVAILABLE(macos(10.8));
- (void)closeAllDocumentsWithDelegate:(nullable id)delegate didCloseAllSelector:(nullable SEL)didCloseAllSelector contextInfo:(nullable void *)contextInfo;
- (void)reviewUnsavedDocumentsWithAlertTitle:(nullable NSString *)title cancellable:(BOOL)cancellable delegate:(nullable id)delegate didReviewAllSelector:(nullable SEL)didReviewAllSelector contextInfo:(nullable void *)contextInfo;
@property (readonly) NSUInteger maximumRecentDocumentCount;
- (void)noteNewRecentDocument:(NSDocument *)document;
- (void)noteNewRecentDocumentURL:(NSURL *)url;
@property (readonly, copy) NSArray<NSURL *> *recentDocumentURLs;
@property (readonly, copy) NSArray<NSString *> *documentClassNames;
- (nullable Class)documentClassForType:(NSString *)typeName;
- (nullable NSString *)displayNameForType:(NSString *)typeName;
- (nullable NSString *)typeForContentsOfURL:(NSURL *)url error:(NSError **)outError;
- (BOOL)validateUserInterfaceItem:(id<NSValidatedUserInterfaceItem>)item;
- (nullable NSString *)currentDirectory;
@end

NS_ASSUME_NONNULL_END
