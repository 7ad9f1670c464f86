/* QuickLookUI.h: the shared Quick Look preview panel, its data source and delegate. */
#import <Cocoa/Cocoa.h>
#import <QuickLook/QuickLook.h>

@class QLPreviewPanel;

NS_ASSUME_NONNULL_BEGIN

@protocol QLPreviewPanelDataSource
- (NSInteger)numberOfPreviewItemsInPreviewPanel:(QLPreviewPanel *)panel;
- (nullable id<QLPreviewItem>)previewPanel:(QLPreviewPanel *)panel previewItemAtIndex:(NSInteger)index;
@end

@protocol QLPreviewPanelDelegate <NSWindowDelegate>
@optional
- (BOOL)previewPanel:(QLPreviewPanel *)panel handleEvent:(NSEvent *)event;
- (NSRect)previewPanel:(QLPreviewPanel *)panel sourceFrameOnScreenForPreviewItem:(id<QLPreviewItem>)item;
- (nullable id)previewPanel:(QLPreviewPanel *)panel transitionImageForPreviewItem:(id<QLPreviewItem>)item contentRect:(NSRect *)contentRect;
@end

@interface QLPreviewPanel : NSPanel
+ (QLPreviewPanel *)sharedPreviewPanel;
+ (BOOL)sharedPreviewPanelExists;
@property (nullable, readonly, strong) id currentController;
- (void)updateController;
@property (nullable, weak) id<QLPreviewPanelDataSource> dataSource;
- (void)reloadData;
- (void)refreshCurrentPreviewItem;
@property NSInteger currentPreviewItemIndex;
@property (nullable, readonly) id<QLPreviewItem> currentPreviewItem;
@property (nullable, strong) id displayState;
@property (nullable, weak) id<QLPreviewPanelDelegate> delegate;
- (BOOL)enterFullScreenMode:(nullable NSScreen *)screen withOptions:(nullable NSDictionary *)options;
- (void)exitFullScreenModeWithOptions:(nullable NSDictionary *)options;
@property (readonly, getter=isInFullScreenMode) BOOL inFullScreenMode;
@end

@interface NSObject (QLPreviewPanelController)
- (BOOL)acceptsPreviewPanelControl:(QLPreviewPanel *)panel;
- (void)beginPreviewPanelControl:(QLPreviewPanel *)panel;
- (void)endPreviewPanelControl:(QLPreviewPanel *)panel;
@end

NS_ASSUME_NONNULL_END
