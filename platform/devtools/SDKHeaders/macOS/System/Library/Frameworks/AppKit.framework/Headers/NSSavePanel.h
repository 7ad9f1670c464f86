/* NSSavePanel.h: the save panel and its delegate, which the open panel shares. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSPanel.h>

NS_ASSUME_NONNULL_BEGIN

@class NSView, UTType;
@protocol NSOpenSavePanelDelegate;

enum {
    NSFileHandlingPanelCancelButton = 0,
    NSFileHandlingPanelOKButton = 1
};

@interface NSSavePanel : NSPanel
+ (NSSavePanel *)savePanel;
@property (nullable, readonly, copy) NSURL *URL;
@property (nullable, copy) NSURL *directoryURL API_AVAILABLE(macos(10.6));
@property (nullable, copy) NSArray<NSString *> *allowedFileTypes API_DEPRECATED("Use -allowedContentTypes instead", macos(10.3, 12.0));
@property (copy) NSArray<UTType *> *allowedContentTypes API_AVAILABLE(macos(11.0));
@property BOOL allowsOtherFileTypes;
@property (nullable, strong) NSView *accessoryView;
/* The delegate of a subclass adopts a protocol of its own. */
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wincompatible-property-type"
@property (nullable, weak) id<NSOpenSavePanelDelegate> delegate;
#pragma clang diagnostic pop
@property (getter=isExpanded, readonly) BOOL expanded;
@property BOOL canCreateDirectories;
@property BOOL canSelectHiddenExtension;
@property (getter=isExtensionHidden) BOOL extensionHidden;
@property BOOL treatsFilePackagesAsDirectories;
@property (null_resettable, copy) NSString *prompt;
@property (null_resettable, copy) NSString *title;
@property (null_resettable, copy) NSString *nameFieldLabel;
@property (copy) NSString *nameFieldStringValue API_AVAILABLE(macos(10.6));
@property (null_resettable, copy) NSString *message;
- (void)validateVisibleColumns;
@property BOOL showsHiddenFiles;
@property BOOL showsTagField API_AVAILABLE(macos(10.9));
@property (nullable, copy) NSArray<NSString *> *tagNames API_AVAILABLE(macos(10.9));
- (IBAction)ok:(nullable id)sender;
- (IBAction)cancel:(nullable id)sender;
- (void)beginSheetModalForWindow:(NSWindow *)window completionHandler:(void (^)(NSModalResponse result))handler API_AVAILABLE(macos(10.6));
- (void)beginWithCompletionHandler:(void (^)(NSModalResponse result))handler API_AVAILABLE(macos(10.6));
- (NSModalResponse)runModal;
- (NSInteger)runModalForDirectory:(nullable NSString *)path file:(nullable NSString *)name API_DEPRECATED("Use -runModal instead", macos(10.0, 10.6));
@property (nullable, readonly, copy) NSString *filename API_DEPRECATED("Use -URL instead", macos(10.0, 10.6));
@property (nullable, copy) NSString *directory API_DEPRECATED("Use -directoryURL instead", macos(10.0, 10.6));
@property (nullable, copy) NSString *requiredFileType API_DEPRECATED("Use -allowedFileTypes instead", macos(10.0, 10.6));
@end

@protocol NSOpenSavePanelDelegate <NSObject>
@optional
- (BOOL)panel:(id)sender shouldEnableURL:(NSURL *)url API_AVAILABLE(macos(10.6));
- (BOOL)panel:(id)sender validateURL:(NSURL *)url error:(NSError **)outError API_AVAILABLE(macos(10.6));
- (void)panel:(id)sender didChangeToDirectoryURL:(nullable NSURL *)url API_AVAILABLE(macos(10.6));
- (nullable NSString *)panel:(id)sender userEnteredFilename:(NSString *)filename confirmed:(BOOL)okFlag;
- (void)panel:(id)sender willExpand:(BOOL)expanding;
- (void)panelSelectionDidChange:(nullable id)sender;
@end

@interface NSSavePanel (NSSavePanelBreadth)
@property BOOL showsTagField API_AVAILABLE(macos(10.9));
@property (nullable, copy) NSArray<NSString *> *tagNames API_AVAILABLE(macos(10.9));
@property BOOL showsContentTypes API_AVAILABLE(macos(13.0));
- (void)beginWithCompletionHandler:(void (^)(NSModalResponse result))handler API_AVAILABLE(macos(10.6));
- (void)setDirectory:(nullable NSString *)path API_DEPRECATED("Use -setDirectoryURL: instead", macos(10.0, 10.6));
- (nullable NSString *)directory API_DEPRECATED("Use -directoryURL instead", macos(10.0, 10.6));
- (nullable NSString *)filename API_DEPRECATED("Use -URL instead", macos(10.0, 10.6));
- (nullable NSString *)requiredFileType API_DEPRECATED("Use -allowedFileTypes instead", macos(10.0, 10.6));
- (void)setRequiredFileType:(nullable NSString *)type API_DEPRECATED("Use -setAllowedFileTypes: instead", macos(10.0, 10.6));
- (void)beginSheetForDirectory:(nullable NSString *)path file:(nullable NSString *)name modalForWindow:(nullable NSWindow *)docWindow modalDelegate:(nullable id)delegate didEndSelector:(nullable SEL)didEndSelector contextInfo:(nullable void *)contextInfo API_DEPRECATED("Use -beginSheetModalForWindow:completionHandler: instead", macos(10.0, 10.6));
- (void)setCanSelectHiddenExtension:(BOOL)flag;
@end

NS_ASSUME_NONNULL_END
