/* NSMenuItem.h: menu items: title, action, key equivalent, state, submenu and separators. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSMenu.h>
#import <AppKit/NSControl.h>
#import <AppKit/NSUserInterfaceValidation.h>
#import <AppKit/NSUserInterfaceItemIdentification.h>

@class NSImage, NSView;

NS_ASSUME_NONNULL_BEGIN

@interface NSMenuItem : NSObject <NSCopying, NSCoding, NSValidatedUserInterfaceItem, NSUserInterfaceItemIdentification>
+ (NSMenuItem *)separatorItem;
- (instancetype)initWithTitle:(NSString *)string
                       action:(nullable SEL)selector
                keyEquivalent:(NSString *)charCode NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nullable, unsafe_unretained) NSMenu *menu;
@property (readonly) BOOL hasSubmenu;
@property (nullable, strong) NSMenu *submenu;
@property (nullable, readonly, unsafe_unretained) NSMenuItem *parentItem API_AVAILABLE(macos(10.6));
@property (copy) NSString *title;
@property (nullable, copy) NSAttributedString *attributedTitle;
@property (readonly, getter=isSeparatorItem) BOOL separatorItem;
@property (copy) NSString *keyEquivalent;
@property NSUInteger keyEquivalentModifierMask;
@property (nullable, strong) NSImage *image;
@property NSControlStateValue state;
@property (getter=isEnabled) BOOL enabled;
@property (getter=isHidden) BOOL hidden API_AVAILABLE(macos(10.5));
@property (nullable, weak) id target;
@property (nullable) SEL action;
@property NSInteger tag;
@property (nullable, strong) id representedObject;
@property (nullable, strong) NSView *view API_AVAILABLE(macos(10.5));
@property (nullable, copy) NSString *toolTip API_AVAILABLE(macos(10.5));
@end

NS_ASSUME_NONNULL_END
