/* NSTouchBar.h: the Touch Bar: its items by identifier, its delegate that makes them, customisation, and the
   responders and applications that provide one. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSTouchBarItem.h>
#import <AppKit/NSResponder.h>
#import <AppKit/NSApplication.h>

@protocol NSTouchBarDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSTouchBarCustomizationIdentifier NS_SWIFT_BRIDGED_TYPEDEF;

API_AVAILABLE(macos(10.12.2))
@interface NSTouchBar : NSObject <NSCoding>
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (copy, nullable) NSTouchBarCustomizationIdentifier customizationIdentifier;
@property (copy) NSArray<NSTouchBarItemIdentifier> *customizationAllowedItemIdentifiers;
@property (copy) NSArray<NSTouchBarItemIdentifier> *customizationRequiredItemIdentifiers;
@property (copy) NSArray<NSTouchBarItemIdentifier> *defaultItemIdentifiers;
@property (copy, readonly) NSArray<NSTouchBarItemIdentifier> *itemIdentifiers;
@property (copy, nullable) NSTouchBarItemIdentifier principalItemIdentifier;
@property (copy, nullable) NSTouchBarItemIdentifier escapeKeyReplacementItemIdentifier API_AVAILABLE(macos(10.13));
@property (copy) NSSet<NSTouchBarItem *> *templateItems;
@property (nullable, weak) id<NSTouchBarDelegate> delegate;
- (nullable __kindof NSTouchBarItem *)itemForIdentifier:(NSTouchBarItemIdentifier)identifier;
@property (readonly, getter=isVisible) BOOL visible;
@property (class, getter=isAutomaticCustomizeTouchBarMenuItemEnabled) BOOL automaticCustomizeTouchBarMenuItemEnabled
    API_AVAILABLE(macos(10.13));
@end

@protocol NSTouchBarDelegate <NSObject>
@optional
- (nullable NSTouchBarItem *)touchBar:(NSTouchBar *)touchBar
                makeItemForIdentifier:(NSTouchBarItemIdentifier)identifier API_AVAILABLE(macos(10.12.2));
@end

@protocol NSTouchBarProvider <NSObject>
@required
@property (strong, readonly, nullable) NSTouchBar *touchBar API_AVAILABLE(macos(10.12.2));
@end

@interface NSResponder (NSTouchBarProvider) <NSTouchBarProvider>
@property (strong, readwrite, nullable) NSTouchBar *touchBar API_AVAILABLE(macos(10.12.2));
- (nullable NSTouchBar *)makeTouchBar API_AVAILABLE(macos(10.12.2));
@end

@interface NSApplication (NSTouchBarCustomization)
@property (readwrite, getter=isAutomaticCustomizeTouchBarMenuItemEnabled)
    BOOL automaticCustomizeTouchBarMenuItemEnabled API_AVAILABLE(macos(10.12.2));
- (IBAction)toggleTouchBarCustomizationPalette:(nullable id)sender API_AVAILABLE(macos(10.12.2));
@end

NS_ASSUME_NONNULL_END
