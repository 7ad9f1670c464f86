/* NSMenu.h: menus: items, submenus, validation and the menu delegate. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSMenuItem, NSEvent, NSView, NSFont;
@protocol NSMenuDelegate;

NS_ASSUME_NONNULL_BEGIN

@interface NSMenu : NSObject <NSCopying, NSCoding>
- (instancetype)initWithTitle:(NSString *)title NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (copy) NSString *title;
@property (nullable, unsafe_unretained) NSMenu *supermenu;
- (void)insertItem:(NSMenuItem *)newItem atIndex:(NSInteger)index;
- (void)addItem:(NSMenuItem *)newItem;
- (NSMenuItem *)insertItemWithTitle:(NSString *)string
                             action:(nullable SEL)selector
                      keyEquivalent:(NSString *)charCode
                            atIndex:(NSInteger)index;
- (NSMenuItem *)addItemWithTitle:(NSString *)string action:(nullable SEL)selector keyEquivalent:(NSString *)charCode;
- (void)removeItemAtIndex:(NSInteger)index;
- (void)removeItem:(NSMenuItem *)item;
- (void)removeAllItems API_AVAILABLE(macos(10.6));
- (void)setSubmenu:(nullable NSMenu *)menu forItem:(NSMenuItem *)item;
@property (copy) NSArray<NSMenuItem *> *itemArray;
@property (readonly) NSInteger numberOfItems;
- (nullable NSMenuItem *)itemAtIndex:(NSInteger)index;
- (NSInteger)indexOfItem:(NSMenuItem *)item;
- (NSInteger)indexOfItemWithTitle:(NSString *)title;
- (NSInteger)indexOfItemWithTag:(NSInteger)tag;
- (nullable NSMenuItem *)itemWithTitle:(NSString *)title;
- (nullable NSMenuItem *)itemWithTag:(NSInteger)tag;
@property BOOL autoenablesItems;
- (void)update;
- (BOOL)performKeyEquivalent:(NSEvent *)event;
- (void)performActionForItemAtIndex:(NSInteger)index API_AVAILABLE(macos(10.6));
@property (nullable, weak) id<NSMenuDelegate> delegate;
@property (nullable, strong) NSFont *font API_AVAILABLE(macos(10.6));
- (BOOL)popUpMenuPositioningItem:(nullable NSMenuItem *)item
                      atLocation:(NSPoint)location
                          inView:(nullable NSView *)view API_AVAILABLE(macos(10.6));
+ (void)popUpContextMenu:(NSMenu *)menu withEvent:(NSEvent *)event forView:(NSView *)view;
- (void)cancelTracking API_AVAILABLE(macos(10.5));
- (void)submenuAction:(nullable id)sender;
- (void)helpRequested:(NSEvent *)eventPtr;
@end

@protocol NSMenuItemValidation <NSObject>
- (BOOL)validateMenuItem:(NSMenuItem *)menuItem;
@end

/* The informal form that every responder answers. */
@interface NSObject (NSMenuValidation)
- (BOOL)validateMenuItem:(NSMenuItem *)menuItem;
@end

@protocol NSMenuDelegate <NSObject>
@optional
- (void)menuNeedsUpdate:(NSMenu *)menu;
- (NSInteger)numberOfItemsInMenu:(NSMenu *)menu;
- (void)menuWillOpen:(NSMenu *)menu API_AVAILABLE(macos(10.5));
- (void)menuDidClose:(NSMenu *)menu API_AVAILABLE(macos(10.5));
@end

NS_ASSUME_NONNULL_END
