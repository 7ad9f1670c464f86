/* NSOpenPanel.h: the open panel: choosing files and folders to open. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSSavePanel.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSOpenPanel : NSSavePanel
+ (NSOpenPanel *)openPanel;
@property (readonly, copy) NSArray<NSURL *> *URLs;
@property BOOL resolvesAliases;
@property BOOL canChooseDirectories;
@property BOOL allowsMultipleSelection;
@property BOOL canChooseFiles;
@property BOOL canResolveUbiquitousConflicts API_AVAILABLE(macos(10.10));
@property BOOL canDownloadUbiquitousContents API_AVAILABLE(macos(10.10));
@property (getter=isAccessoryViewDisclosed) BOOL accessoryViewDisclosed API_AVAILABLE(macos(10.11));
- (NSArray *)filenames API_DEPRECATED("Use -URLs instead", macos(10.0, 10.6));
- (NSInteger)runModalForTypes:(nullable NSArray *)fileTypes API_DEPRECATED("Use -runModal instead", macos(10.0, 10.6));
- (NSInteger)runModalForDirectory:(nullable NSString *)path file:(nullable NSString *)name types:(nullable NSArray *)fileTypes API_DEPRECATED("Use -runModal instead", macos(10.0, 10.6));
@end

NS_ASSUME_NONNULL_END
