/* NSDocument.h: documents: reading, writing, saving and presenting errors for one document. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

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

NS_ASSUME_NONNULL_END
