/* NSPrintOperation.h: print operations of views and data, with their print and page layout panels. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSPrintInfo.h>

@class NSView, NSWindow, NSGraphicsContext, NSViewController, NSPDFPanel;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSPrintingPageOrder) {
    NSDescendingPageOrder = -1,
    NSSpecialPageOrder = 0,
    NSAscendingPageOrder = 1,
    NSUnknownPageOrder = 2
};

typedef NS_ENUM(NSInteger, NSPrintRenderingQuality) {
    NSPrintRenderingQualityBest,
    NSPrintRenderingQualityResponsive
} API_AVAILABLE(macos(10.7));

typedef NS_OPTIONS(NSInteger, NSPrintPanelOptions) {
    NSPrintPanelShowsCopies = 1 << 0,
    NSPrintPanelShowsPageRange = 1 << 1,
    NSPrintPanelShowsPaperSize = 1 << 2,
    NSPrintPanelShowsOrientation = 1 << 3,
    NSPrintPanelShowsScaling = 1 << 4,
    NSPrintPanelShowsPrintSelection API_AVAILABLE(macos(10.6)) = 1 << 5,
    NSPrintPanelShowsPageSetupAccessory = 1 << 8,
    NSPrintPanelShowsPreview = 1 << 17
};

@interface NSPrintPanel : NSObject
+ (NSPrintPanel *)printPanel;
@property NSPrintPanelOptions options;
@property (copy) NSString *helpAnchor;
@property (nullable, copy) NSString *jobStyleHint;
- (void)beginSheetWithPrintInfo:(NSPrintInfo *)printInfo modalForWindow:(NSWindow *)docWindow delegate:(nullable id)delegate didEndSelector:(nullable SEL)didEndSelector contextInfo:(nullable void *)contextInfo;
- (NSInteger)runModalWithPrintInfo:(NSPrintInfo *)printInfo;
- (NSInteger)runModal;
@property (readonly, strong) NSPrintInfo *printInfo;
@end

@interface NSPageLayout : NSObject
+ (NSPageLayout *)pageLayout;
- (void)beginSheetWithPrintInfo:(NSPrintInfo *)printInfo modalForWindow:(NSWindow *)docWindow delegate:(nullable id)delegate didEndSelector:(nullable SEL)didEndSelector contextInfo:(nullable void *)contextInfo;
- (NSInteger)runModalWithPrintInfo:(NSPrintInfo *)printInfo;
- (NSInteger)runModal;
@property (nullable, readonly, strong) NSPrintInfo *printInfo;
@end

@interface NSPrintOperation : NSObject
+ (NSPrintOperation *)printOperationWithView:(NSView *)view printInfo:(NSPrintInfo *)printInfo;
+ (NSPrintOperation *)PDFOperationWithView:(NSView *)view insideRect:(NSRect)rect toData:(NSMutableData *)data printInfo:(NSPrintInfo *)printInfo;
+ (NSPrintOperation *)PDFOperationWithView:(NSView *)view insideRect:(NSRect)rect toPath:(NSString *)path printInfo:(NSPrintInfo *)printInfo;
+ (NSPrintOperation *)EPSOperationWithView:(NSView *)view insideRect:(NSRect)rect toData:(nullable NSMutableData *)data printInfo:(NSPrintInfo *)printInfo;
+ (NSPrintOperation *)printOperationWithView:(NSView *)view;
+ (NSPrintOperation *)PDFOperationWithView:(NSView *)view insideRect:(NSRect)rect toData:(NSMutableData *)data;
@property (class, nullable, strong) NSPrintOperation *currentOperation;
@property (readonly, getter=isCopyingOperation) BOOL copyingOperation;
@property (readonly) NSPrintRenderingQuality preferredRenderingQuality API_AVAILABLE(macos(10.7));
@property (nullable, copy) NSString *jobTitle;
@property BOOL showsPrintPanel;
@property BOOL showsProgressPanel;
@property (strong) NSPrintPanel *printPanel;
@property (nullable, strong) NSPDFPanel *PDFPanel API_AVAILABLE(macos(10.9));
@property BOOL canSpawnSeparateThread;
@property NSPrintingPageOrder pageOrder;
- (void)runOperationModalForWindow:(NSWindow *)docWindow delegate:(nullable id)delegate didRunSelector:(nullable SEL)didRunSelector contextInfo:(nullable void *)contextInfo;
- (BOOL)runOperation;
@property (nullable, readonly, strong) NSView *view;
@property (copy) NSPrintInfo *printInfo;
@property (nullable, readonly, strong) NSGraphicsContext *context;
@property (readonly) NSRange pageRange API_AVAILABLE(macos(10.5));
@property (readonly) NSInteger currentPage;
- (nullable NSGraphicsContext *)createContext;
- (void)destroyContext;
- (BOOL)deliverResult;
- (void)cleanUpOperation;
@end

NS_ASSUME_NONNULL_END
