/* NSToolbar.h: toolbars: the items of a window's toolbar, their display and customisation, and the delegate that makes them. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSToolbarItem.h>

NS_ASSUME_NONNULL_BEGIN

@class NSWindow, NSView;
@protocol NSToolbarDelegate;

typedef NSString *NSToolbarIdentifier NS_TYPED_EXTENSIBLE_ENUM;

typedef NS_ENUM(NSUInteger, NSToolbarDisplayMode) {
    NSToolbarDisplayModeDefault,
    NSToolbarDisplayModeIconAndLabel,
    NSToolbarDisplayModeIconOnly,
    NSToolbarDisplayModeLabelOnly
};

typedef NS_ENUM(NSUInteger, NSToolbarSizeMode) {
    NSToolbarSizeModeDefault,
    NSToolbarSizeModeRegular,
    NSToolbarSizeModeSmall
} API_DEPRECATED("", macos(10.0, 15.0));

@interface NSToolbar : NSObject
- (instancetype)initWithIdentifier:(NSToolbarIdentifier)identifier NS_DESIGNATED_INITIALIZER;
- (instancetype)init API_AVAILABLE(macos(10.13));
- (void)insertItemWithItemIdentifier:(NSToolbarItemIdentifier)itemIdentifier atIndex:(NSInteger)index;
- (void)removeItemAtIndex:(NSInteger)index;
@property (nullable, weak) id<NSToolbarDelegate> delegate;
@property (getter=isVisible) BOOL visible;
- (void)runCustomizationPalette:(nullable id)sender;
@property (readonly) BOOL customizationPaletteIsRunning;
@property NSToolbarDisplayMode displayMode;
@property (nullable, copy) NSToolbarItemIdentifier selectedItemIdentifier;
@property NSToolbarSizeMode sizeMode API_DEPRECATED("", macos(10.0, 15.0));
@property BOOL showsBaselineSeparator API_DEPRECATED("", macos(10.0, 15.0));
@property BOOL allowsUserCustomization;
@property (readonly, copy) NSToolbarIdentifier identifier;
@property (readonly, copy) NSArray<__kindof NSToolbarItem *> *items;
@property (readonly, copy) NSArray<__kindof NSToolbarItem *> *visibleItems;
@property BOOL autosavesConfiguration;
- (void)setConfigurationFromDictionary:(NSDictionary<NSString *, id> *)configDict;
@property (readonly, copy) NSDictionary<NSString *, id> *configurationDictionary;
- (void)validateVisibleItems;
@property BOOL allowsExtensionItems API_AVAILABLE(macos(10.10));
@end

@protocol NSToolbarDelegate <NSObject>
@optional
- (nullable NSToolbarItem *)toolbar:(NSToolbar *)toolbar itemForItemIdentifier:(NSToolbarItemIdentifier)itemIdentifier willBeInsertedIntoToolbar:(BOOL)flag;
- (NSArray<NSToolbarItemIdentifier> *)toolbarDefaultItemIdentifiers:(NSToolbar *)toolbar;
- (NSArray<NSToolbarItemIdentifier> *)toolbarAllowedItemIdentifiers:(NSToolbar *)toolbar;
- (NSArray<NSToolbarItemIdentifier> *)toolbarSelectableItemIdentifiers:(NSToolbar *)toolbar;
- (void)toolbarWillAddItem:(NSNotification *)notification;
- (void)toolbarDidRemoveItem:(NSNotification *)notification;
@end

APPKIT_EXTERN NSNotificationName NSToolbarWillAddItemNotification;
APPKIT_EXTERN NSNotificationName NSToolbarDidRemoveItemNotification;

NS_ASSUME_NONNULL_END
