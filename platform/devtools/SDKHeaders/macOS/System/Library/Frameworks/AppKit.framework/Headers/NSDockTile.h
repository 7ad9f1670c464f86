/* NSDockTile.h: the application's or a window's tile in the Dock: its badge, content view and menu. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSView, NSMenu;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.5))
@interface NSDockTile : NSObject
@property (readonly) NSSize size;
@property (nullable, strong) NSView *contentView;
- (void)display;
@property BOOL showsApplicationBadge;
@property (nullable, copy) NSString *badgeLabel;
@property (nullable, readonly, weak) id owner;
@end

@protocol NSDockTilePlugIn <NSObject>
@required
- (void)setDockTile:(nullable NSDockTile *)dockTile;
@optional
- (nullable NSMenu *)dockMenu;
@end

NS_ASSUME_NONNULL_END
