/* NSDocument.h: documents: reading, writing, saving and presenting errors for one document. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSMenu.h>
#import <AppKit/NSUserInterfaceValidation.h>

@class NSWindow, NSWindowController, NSUndoManager;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSSaveOperationType) {
    NSSaveOperation = 0,
    NSSaveAsOperation = 1,
    NSSaveToOperation = 2,
    NSAutosaveInPlaceOperation API_AVAILABLE(macos(10.7)) = 4,
    NSAutosaveElsewhereOperation API_AVAILABLE(macos(10.7)) = 3,
    NSAutosaveAsOperation API_AVAILABLE(macos(10.8)) = 5
};

@interface NSDocument : NSObject
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithType:(NSString *)typeName error:(NSError **)outError API_AVAILABLE(macos(10.4));
- (nullable instancetype)initWithContentsOfURL:(NSURL *)url
                                        ofType:(NSString *)typeName
                                         error:(NSError **)outError API_AVAILABLE(macos(10.4));
@property (nullable, copy) NSString *fileType;
@property (nullable, copy) NSURL *fileURL API_AVAILABLE(macos(10.4));
@property (readonly, copy) NSString *displayName;
@property (nullable, strong) NSUndoManager *undoManager;
@property BOOL hasUndoManager;
- (nullable NSData *)dataOfType:(NSString *)typeName error:(NSError **)outError API_AVAILABLE(macos(10.4));
- (BOOL)readFromData:(NSData *)data ofType:(NSString *)typeName error:(NSError **)outError API_AVAILABLE(macos(10.4));
- (BOOL)canAsynchronouslyWriteToURL:(NSURL *)url
                             ofType:(NSString *)typeName
                   forSaveOperation:(NSSaveOperationType)saveOperation API_AVAILABLE(macos(10.7));
- (void)makeWindowControllers;
- (void)addWindowController:(NSWindowController *)windowController;
@property (readonly, copy) NSArray<__kindof NSWindowController *> *windowControllers;
- (void)invalidateRestorableState API_AVAILABLE(macos(10.7));
- (void)presentError:(NSError *)error
        modalForWindow:(NSWindow *)window
              delegate:(nullable id)delegate
    didPresentSelector:(nullable SEL)didPresentSelector
           contextInfo:(nullable void *)contextInfo;
- (BOOL)presentError:(NSError *)error;
- (NSError *)willPresentError:(NSError *)error;
@end

@class NSPrintInfo, NSPrintOperation, NSMenuItem, NSSavePanel, NSFileWrapper, NSPageLayout, NSView, NSSharingService,
    NSMenu, NSFileVersion;
@protocol NSValidatedUserInterfaceItem;

typedef NS_ENUM(NSUInteger, NSDocumentChangeType) {
    NSChangeDone = 0,
    NSChangeUndone = 1,
    NSChangeRedone API_AVAILABLE(macos(10.5)) = 5,
    NSChangeCleared = 2,
    NSChangeReadOtherContents = 3,
    NSChangeAutosaved = 4,
    NSChangeDiscardable API_AVAILABLE(macos(10.7)) = 256
};

@interface NSDocument (NSDocumentBreadth) <NSMenuItemValidation, NSUserInterfaceValidations>
+ (BOOL)autosavesInPlace API_AVAILABLE(macos(10.7));
+ (BOOL)preservesVersions API_AVAILABLE(macos(10.7));
+ (BOOL)autosavesDrafts API_AVAILABLE(macos(10.8));
+ (BOOL)usesUbiquitousStorage API_AVAILABLE(macos(10.8));
+ (BOOL)canConcurrentlyReadDocumentsOfType:(NSString *)typeName API_AVAILABLE(macos(10.6));
@property (class, readonly, copy) NSArray<NSString *> *readableTypes API_AVAILABLE(macos(10.5));
@property (class, readonly, copy) NSArray<NSString *> *writableTypes API_AVAILABLE(macos(10.5));
+ (BOOL)isNativeType:(NSString *)type API_AVAILABLE(macos(10.5));
- (nullable instancetype)initForURL:(nullable NSURL *)urlOrNil withContentsOfURL:(NSURL *)contentsURL ofType:(NSString *)typeName error:(NSError **)outError API_AVAILABLE(macos(10.4));
@property (nullable, copy) NSDate *fileModificationDate API_AVAILABLE(macos(10.1));
@property (getter=isDraft) BOOL draft API_AVAILABLE(macos(10.8));
@property (readonly, getter=isDocumentEdited) BOOL documentEdited;
@property (readonly, getter=isInViewingMode) BOOL inViewingMode API_AVAILABLE(macos(10.10));
@property (readonly, getter=isLocked) BOOL locked API_AVAILABLE(macos(10.8));
@property (readonly, getter=isBrowsingVersions) BOOL browsingVersions API_AVAILABLE(macos(10.7));
@property (readonly) BOOL hasUnautosavedChanges;
@property (nullable, copy) NSURL *autosavedContentsFileURL API_AVAILABLE(macos(10.4));
@property (nullable, readonly) NSString *autosavingFileType API_AVAILABLE(macos(10.4));
- (NSArray<NSString *> *)writableTypesForSaveOperation:(NSSaveOperationType)saveOperation;
- (nullable NSString *)fileNameExtensionForType:(NSString *)typeName saveOperation:(NSSaveOperationType)saveOperation API_AVAILABLE(macos(10.5));
- (void)updateChangeCount:(NSDocumentChangeType)change;
- (id)changeCountTokenForSaveOperation:(NSSaveOperationType)saveOperation API_AVAILABLE(macos(10.7));
- (void)updateChangeCountWithToken:(id)changeCountToken forSaveOperation:(NSSaveOperationType)saveOperation API_AVAILABLE(macos(10.7));
- (BOOL)readFromURL:(NSURL *)url ofType:(NSString *)typeName error:(NSError **)outError API_AVAILABLE(macos(10.4));
- (BOOL)readFromFileWrapper:(NSFileWrapper *)fileWrapper ofType:(NSString *)typeName error:(NSError **)outError API_AVAILABLE(macos(10.4));
- (BOOL)writeToURL:(NSURL *)url ofType:(NSString *)typeName error:(NSError **)outError API_AVAILABLE(macos(10.4));
- (nullable NSFileWrapper *)fileWrapperOfType:(NSString *)typeName error:(NSError **)outError API_AVAILABLE(macos(10.4));
- (BOOL)writeSafelyToURL:(NSURL *)url ofType:(NSString *)typeName forSaveOperation:(NSSaveOperationType)saveOperation error:(NSError **)outError API_AVAILABLE(macos(10.4));
- (BOOL)writeToURL:(NSURL *)url ofType:(NSString *)typeName forSaveOperation:(NSSaveOperationType)saveOperation originalContentsURL:(nullable NSURL *)absoluteOriginalContentsURL error:(NSError **)outError API_AVAILABLE(macos(10.4));
- (nullable NSDictionary<NSString *, id> *)fileAttributesToWriteToURL:(NSURL *)url ofType:(NSString *)typeName forSaveOperation:(NSSaveOperationType)saveOperation originalContentsURL:(nullable NSURL *)absoluteOriginalContentsURL error:(NSError **)outError API_AVAILABLE(macos(10.4));
- (BOOL)revertToContentsOfURL:(NSURL *)url ofType:(NSString *)typeName error:(NSError **)outError API_AVAILABLE(macos(10.4));
- (IBAction)revertDocumentToSaved:(nullable id)sender;
- (IBAction)saveDocument:(nullable id)sender;
- (IBAction)saveDocumentAs:(nullable id)sender;
- (IBAction)saveDocumentTo:(nullable id)sender;
- (IBAction)duplicateDocument:(nullable id)sender API_AVAILABLE(macos(10.7));
- (IBAction)renameDocument:(nullable id)sender API_AVAILABLE(macos(10.8));
- (IBAction)moveDocumentToUbiquityContainer:(nullable id)sender API_AVAILABLE(macos(10.8));
- (IBAction)moveDocument:(nullable id)sender API_AVAILABLE(macos(10.8));
- (IBAction)lockDocument:(nullable id)sender API_AVAILABLE(macos(10.8));
- (IBAction)unlockDocument:(nullable id)sender API_AVAILABLE(macos(10.8));
- (IBAction)browseDocumentVersions:(nullable id)sender API_AVAILABLE(macos(10.7));
- (IBAction)printDocument:(nullable id)sender;
- (IBAction)runPageLayout:(nullable id)sender;
- (void)saveDocumentWithDelegate:(nullable id)delegate didSaveSelector:(nullable SEL)didSaveSelector contextInfo:(nullable void *)contextInfo;
- (void)saveToURL:(NSURL *)url ofType:(NSString *)typeName forSaveOperation:(NSSaveOperationType)saveOperation completionHandler:(void (^)(NSError *_Nullable errorOrNil))completionHandler API_AVAILABLE(macos(10.7));
- (void)saveToURL:(NSURL *)url ofType:(NSString *)typeName forSaveOperation:(NSSaveOperationType)saveOperation delegate:(nullable id)delegate didSaveSelector:(nullable SEL)didSaveSelector contextInfo:(nullable void *)contextInfo;
- (void)autosaveWithImplicitCancellability:(BOOL)autosavingIsImplicitlyCancellable completionHandler:(void (^)(NSError *_Nullable errorOrNil))completionHandler API_AVAILABLE(macos(10.7));
- (void)autosaveDocumentWithDelegate:(nullable id)delegate didAutosaveSelector:(nullable SEL)didAutosaveSelector contextInfo:(nullable void *)contextInfo;
- (BOOL)prepareSavePanel:(NSSavePanel *)savePanel;
- (void)runModalSavePanelForSaveOperation:(NSSaveOperationType)saveOperation delegate:(nullable id)delegate didSaveSelector:(nullable SEL)didSaveSelector contextInfo:(nullable void *)contextInfo;
@property (readonly) BOOL shouldRunSavePanelWithAccessoryView;
- (void)canCloseDocumentWithDelegate:(id)delegate shouldCloseSelector:(nullable SEL)shouldCloseSelector contextInfo:(nullable void *)contextInfo;
- (void)close;
- (void)showWindows;
- (void)removeWindowController:(NSWindowController *)windowController;
- (void)setWindow:(nullable NSWindow *)window;
- (void)windowControllerWillLoadNib:(NSWindowController *)windowController;
- (void)windowControllerDidLoadNib:(NSWindowController *)windowController;
@property (nullable, readonly, copy) NSString *windowNibName;
@property (nullable, readonly) NSWindow *windowForSheet API_AVAILABLE(macos(10.3));
- (void)shouldCloseWindowController:(NSWindowController *)windowController delegate:(nullable id)delegate shouldCloseSelector:(nullable SEL)shouldCloseSelector contextInfo:(nullable void *)contextInfo;
- (void)setDisplayName:(nullable NSString *)displayNameOrNil API_AVAILABLE(macos(10.7));
- (NSString *)defaultDraftName API_AVAILABLE(macos(10.8));
@property (copy) NSPrintInfo *printInfo;
- (BOOL)shouldChangePrintInfo:(NSPrintInfo *)newPrintInfo;
- (nullable NSPrintOperation *)printOperationWithSettings:(NSDictionary<NSString *, id> *)printSettings error:(NSError **)outError API_AVAILABLE(macos(10.4));
- (void)printDocumentWithSettings:(NSDictionary<NSString *, id> *)printSettings showPrintPanel:(BOOL)showPrintPanel delegate:(nullable id)delegate didPrintSelector:(nullable SEL)didPrintSelector contextInfo:(nullable void *)contextInfo API_AVAILABLE(macos(10.4));
- (BOOL)validateUserInterfaceItem:(id<NSValidatedUserInterfaceItem>)item;
- (BOOL)validateMenuItem:(NSMenuItem *)menuItem;
@property (nullable, readonly) NSURL *presentedItemURL;
- (void)performActivityWithSynchronousWaiting:(BOOL)waitSynchronously usingBlock:(void (^)(void (^activityCompletionHandler)(void)))block API_AVAILABLE(macos(10.7));
- (void)continueActivityUsingBlock:(void (NS_NOESCAPE ^)(void))block API_AVAILABLE(macos(10.7));
- (void)continueAsynchronousWorkOnMainThreadUsingBlock:(void (^)(void))block API_AVAILABLE(macos(10.7));
- (void)performSynchronousFileAccessUsingBlock:(void (NS_NOESCAPE ^)(void))block API_AVAILABLE(macos(10.7));
- (void)performAsynchronousFileAccessUsingBlock:(void (^)(void (^fileAccessCompletionHandler)(void)))block API_AVAILABLE(macos(10.7));
- (BOOL)checkAutosavingSafetyAndReturnError:(NSError **)outError API_AVAILABLE(macos(10.7));
- (void)scheduleAutosaving API_AVAILABLE(macos(10.7));
@property (readonly, copy) NSString *fileTypeFromLastRunSavePanel;
@property (readonly) BOOL keepBackupFile;
@property (nullable, readonly, copy) NSURL *backupFileURL API_AVAILABLE(macos(10.8));
@end

NS_ASSUME_NONNULL_END
