/* NSToolbarItem.h: the items of a toolbar: a label, an image or view, an action and validation. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>
#import <AppKit/NSMenuItem.h>

NS_ASSUME_NONNULL_BEGIN

@class NSToolbar, NSImage;

typedef NSString *NSToolbarItemIdentifier NS_TYPED_EXTENSIBLE_ENUM;
typedef NSInteger NSToolbarItemVisibilityPriority NS_TYPED_EXTENSIBLE_ENUM;
static const NSToolbarItemVisibilityPriority NSToolbarItemVisibilityPriorityStandard API_AVAILABLE(macos(10.7)) = 0;
static const NSToolbarItemVisibilityPriority NSToolbarItemVisibilityPriorityLow API_AVAILABLE(macos(10.7)) = -1000;
static const NSToolbarItemVisibilityPriority NSToolbarItemVisibilityPriorityHigh API_AVAILABLE(macos(10.7)) = 1000;
static const NSToolbarItemVisibilityPriority NSToolbarItemVisibilityPriorityUser API_AVAILABLE(macos(10.7)) = 2000;

@interface NSToolbarItem : NSObject <NSCopying, NSValidatedUserInterfaceItem>
- (instancetype)initWithItemIdentifier:(NSToolbarItemIdentifier)itemIdentifier NS_DESIGNATED_INITIALIZER;
@property (readonly, copy) NSToolbarItemIdentifier itemIdentifier;
@property (nullable, readonly, weak) NSToolbar *toolbar;
@property (copy) NSString *label;
@property (copy) NSString *paletteLabel;
@property (nullable, copy) NSString *toolTip;
@property (nullable, strong) NSMenuItem *menuFormRepresentation;
@property NSInteger tag;
@property (nullable, weak) id target;
@property (nullable) SEL action;
@property (getter=isEnabled) BOOL enabled;
@property (nullable, strong) NSImage *image;
@property (nullable, strong) NSView *view;
@property NSSize minSize API_DEPRECATED("", macos(10.0, 12.0));
@property NSSize maxSize API_DEPRECATED("", macos(10.0, 12.0));
@property NSToolbarItemVisibilityPriority visibilityPriority API_AVAILABLE(macos(10.7));
@property BOOL bordered API_AVAILABLE(macos(10.15));
@property BOOL autovalidates API_AVAILABLE(macos(10.5));
@property BOOL allowsDuplicatesInToolbar;
- (void)validate;
@end

@protocol NSToolbarItemValidation <NSObject>
- (BOOL)validateToolbarItem:(NSToolbarItem *)item;
@end

@interface NSObject (NSToolbarItemValidation)
- (BOOL)validateToolbarItem:(NSToolbarItem *)item;
@end

APPKIT_EXTERN NSToolbarItemIdentifier const NSToolbarSeparatorItemIdentifier API_DEPRECATED("", macos(10.0, 10.15));
APPKIT_EXTERN NSToolbarItemIdentifier const NSToolbarSpaceItemIdentifier;
APPKIT_EXTERN NSToolbarItemIdentifier const NSToolbarFlexibleSpaceItemIdentifier;
APPKIT_EXTERN NSToolbarItemIdentifier const NSToolbarShowColorsItemIdentifier;
APPKIT_EXTERN NSToolbarItemIdentifier const NSToolbarShowFontsItemIdentifier;
APPKIT_EXTERN NSToolbarItemIdentifier const NSToolbarCustomizeToolbarItemIdentifier API_DEPRECATED("", macos(10.0, 10.15));
APPKIT_EXTERN NSToolbarItemIdentifier const NSToolbarPrintItemIdentifier;
APPKIT_EXTERN NSToolbarItemIdentifier const NSToolbarToggleSidebarItemIdentifier API_AVAILABLE(macos(10.11));

NS_ASSUME_NONNULL_END
