/* NSWindowController.h: window controllers: loading a window from a nib and managing it. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSResponder.h>
#import <AppKit/NSWindow.h>
#import <AppKit/NSStoryboardSegue.h>

@class NSViewController, NSStoryboard;

NS_ASSUME_NONNULL_BEGIN

@interface NSWindowController : NSResponder <NSCoding, NSSeguePerforming>
- (instancetype)initWithWindow:(nullable NSWindow *)window NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithWindowNibName:(NSString *)windowNibName;
- (instancetype)initWithWindowNibName:(NSString *)windowNibName owner:(id)owner;
@property (nullable, readonly, copy) NSString *windowNibName;
@property (nullable, readonly, weak) id owner;
@property (nullable, strong) NSWindow *window;
@property (readonly, getter=isWindowLoaded) BOOL windowLoaded;
@property (nullable, strong) NSViewController *contentViewController API_AVAILABLE(macos(10.10));
@property (nullable, readonly, strong) NSStoryboard *storyboard API_AVAILABLE(macos(10.10));
@property BOOL shouldCascadeWindows;
- (void)windowWillLoad;
- (void)windowDidLoad;
- (void)loadWindow;
- (IBAction)showWindow:(nullable id)sender;
- (void)close;
- (void)setDocumentEdited:(BOOL)dirtyFlag;
- (NSString *)windowTitleForDocumentDisplayName:(NSString *)displayName;
@property (nullable, assign) id document;
@end

NS_ASSUME_NONNULL_END
