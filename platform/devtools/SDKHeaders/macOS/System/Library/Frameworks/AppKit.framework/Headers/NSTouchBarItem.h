/* NSTouchBarItem.h: the items of a Touch Bar: identifiers, visibility priority and the items' view or view
   controller; with the kinds AppKit provides (custom, group, popover, slider, button, colour picker and others). */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSUserInterfaceLayout.h>

@class NSTouchBar, NSView, NSViewController, NSImage, NSString, NSSlider, NSButton, NSColor, NSColorList,
    NSColorSpace, NSSliderAccessory, NSScrubber, NSSegmentedControl, NSGestureRecognizer;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSTouchBarItemIdentifier NS_TYPED_EXTENSIBLE_ENUM;
typedef float NSTouchBarItemPriority NS_TYPED_EXTENSIBLE_ENUM;

static const NSTouchBarItemPriority NSTouchBarItemPriorityHigh API_AVAILABLE(macos(10.12.2)) = 1000;
static const NSTouchBarItemPriority NSTouchBarItemPriorityNormal API_AVAILABLE(macos(10.12.2)) = 0;
static const NSTouchBarItemPriority NSTouchBarItemPriorityLow API_AVAILABLE(macos(10.12.2)) = -1000;

API_AVAILABLE(macos(10.12.2))
@interface NSTouchBarItem : NSObject <NSCoding>
- (instancetype)initWithIdentifier:(NSTouchBarItemIdentifier)identifier NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
@property (readonly, copy) NSTouchBarItemIdentifier identifier;
@property NSTouchBarItemPriority visibilityPriority;
@property (readonly, nullable) NSView *view;
@property (readonly, nullable) NSViewController *viewController;
@property (readonly, copy) NSString *customizationLabel;
@property (readonly, getter=isVisible) BOOL visible;
@end

APPKIT_EXTERN NSTouchBarItemIdentifier const NSTouchBarItemIdentifierFixedSpaceSmall API_AVAILABLE(macos(10.12.2));
APPKIT_EXTERN NSTouchBarItemIdentifier const NSTouchBarItemIdentifierFixedSpaceLarge API_AVAILABLE(macos(10.12.2));
APPKIT_EXTERN NSTouchBarItemIdentifier const NSTouchBarItemIdentifierFlexibleSpace API_AVAILABLE(macos(10.12.2));
APPKIT_EXTERN NSTouchBarItemIdentifier const NSTouchBarItemIdentifierOtherItemsProxy API_AVAILABLE(macos(10.12.2));

API_AVAILABLE(macos(10.12.2))
@interface NSCustomTouchBarItem : NSTouchBarItem
@property (readwrite, strong) __kindof NSView *view;
@property (readwrite, strong, nullable) __kindof NSViewController *viewController;
@property (readwrite, copy, null_resettable) NSString *customizationLabel;
@end

API_AVAILABLE(macos(10.12.2))
@interface NSGroupTouchBarItem : NSTouchBarItem
+ (instancetype)groupItemWithIdentifier:(NSTouchBarItemIdentifier)identifier items:(NSArray<NSTouchBarItem *> *)items;
+ (instancetype)alertStyleGroupItemWithIdentifier:(NSTouchBarItemIdentifier)identifier API_AVAILABLE(macos(10.13));
@property (strong) NSTouchBar *groupTouchBar;
@property (readwrite, copy, null_resettable) NSString *customizationLabel;
@property NSUserInterfaceLayoutDirection groupUserInterfaceLayoutDirection API_AVAILABLE(macos(10.13));
@property BOOL prefersEqualWidths API_AVAILABLE(macos(10.13));
@property CGFloat preferredItemWidth API_AVAILABLE(macos(10.13));
@end

API_AVAILABLE(macos(10.12.2))
@interface NSPopoverTouchBarItem : NSTouchBarItem
@property (strong) NSTouchBar *popoverTouchBar;
@property (readwrite, copy, null_resettable) NSString *customizationLabel;
@property (strong) NSView *collapsedRepresentation;
@property (nullable, strong) NSImage *collapsedRepresentationImage;
@property (copy) NSString *collapsedRepresentationLabel;
@property (nullable, strong) NSTouchBar *pressAndHoldTouchBar;
@property BOOL showsCloseButton;
- (void)showPopover:(nullable id)sender;
- (void)dismissPopover:(nullable id)sender;
- (NSGestureRecognizer *)makeStandardActivatePopoverGestureRecognizer;
@end

API_AVAILABLE(macos(10.12.2))
@interface NSSliderTouchBarItem : NSTouchBarItem
@property (strong) NSSlider *slider;
@property double doubleValue API_AVAILABLE(macos(10.15));
@property CGFloat minimumSliderWidth API_AVAILABLE(macos(10.15));
@property CGFloat maximumSliderWidth API_AVAILABLE(macos(10.15));
@property (nullable, copy) NSString *label;
@property (nullable, strong) NSSliderAccessory *minimumValueAccessory;
@property (nullable, strong) NSSliderAccessory *maximumValueAccessory;
@property CGFloat valueAccessoryWidth;
@property (nullable, weak) id target;
@property (nullable) SEL action;
@property (readwrite, copy, null_resettable) NSString *customizationLabel;
@end

API_AVAILABLE(macos(10.15))
@interface NSButtonTouchBarItem : NSTouchBarItem
+ (instancetype)buttonTouchBarItemWithIdentifier:(NSTouchBarItemIdentifier)identifier
                                           title:(NSString *)title
                                          target:(nullable id)target
                                          action:(nullable SEL)action;
+ (instancetype)buttonTouchBarItemWithIdentifier:(NSTouchBarItemIdentifier)identifier
                                           image:(NSImage *)image
                                          target:(nullable id)target
                                          action:(nullable SEL)action;
@property (copy) NSString *title;
@property (nullable, strong) NSImage *image;
@property (nullable, copy) NSColor *bezelColor;
@property (nullable, weak) id target;
@property (nullable) SEL action;
@property (getter=isEnabled) BOOL enabled;
@property (readwrite, copy, null_resettable) NSString *customizationLabel;
@end

API_AVAILABLE(macos(10.12.2))
@interface NSColorPickerTouchBarItem : NSTouchBarItem
+ (instancetype)colorPickerWithIdentifier:(NSTouchBarItemIdentifier)identifier;
+ (instancetype)textColorPickerWithIdentifier:(NSTouchBarItemIdentifier)identifier;
+ (instancetype)strokeColorPickerWithIdentifier:(NSTouchBarItemIdentifier)identifier;
@property (copy) NSColor *color;
@property BOOL showsAlpha;
@property (nullable, weak) id target;
@property (nullable) SEL action;
@property (getter=isEnabled) BOOL enabled;
@property (readwrite, copy, null_resettable) NSString *customizationLabel;
@end

API_AVAILABLE(macos(10.12.2))
@interface NSSharingServicePickerTouchBarItem : NSTouchBarItem
@property (nullable, weak) id delegate;
@property (getter=isEnabled) BOOL enabled;
@property (copy) NSString *buttonTitle;
@property (nullable, strong) NSImage *buttonImage;
@end

NS_ASSUME_NONNULL_END
