/* NSDocumentController.h: the application's documents: opening, creating and presenting errors for them. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

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

NS_ASSUME_NONNULL_END
