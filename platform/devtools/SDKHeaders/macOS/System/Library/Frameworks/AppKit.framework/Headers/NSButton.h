/* NSButton.h: buttons: push buttons, checkboxes and radio buttons, with title, image and state. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>

@class NSImage, NSColor;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSButtonType) {
    NSButtonTypeMomentaryLight = 0,
    NSButtonTypePushOnPushOff = 1,
    NSButtonTypeToggle = 2,
    NSButtonTypeSwitch = 3,
    NSButtonTypeRadio = 4,
    NSButtonTypeMomentaryChange = 5,
    NSButtonTypeOnOff = 6,
    NSButtonTypeMomentaryPushIn = 7,
    NSButtonTypeAccelerator API_AVAILABLE(macos(10.10.3)) = 8,
    NSButtonTypeMultiLevelAccelerator API_AVAILABLE(macos(10.10.3)) = 9,
};

typedef NS_ENUM(NSUInteger, NSBezelStyle) {
    NSBezelStyleRounded = 1,
    NSBezelStyleRegularSquare = 2,
    NSBezelStyleDisclosure = 5,
    NSBezelStyleShadowlessSquare = 6,
    NSBezelStyleCircular = 7,
    NSBezelStyleTexturedSquare = 8,
    NSBezelStyleHelpButton = 9,
    NSBezelStyleSmallSquare = 10,
    NSBezelStyleTexturedRounded = 11,
    NSBezelStyleRoundRect = 12,
    NSBezelStyleRecessed = 13,
    NSBezelStyleRoundedDisclosure = 14,
    NSBezelStyleInline API_AVAILABLE(macos(10.7)) = 15,
};

@interface NSButton : NSControl
+ (instancetype)buttonWithTitle:(NSString *)title
                          image:(NSImage *)image
                         target:(nullable id)target
                         action:(nullable SEL)action API_AVAILABLE(macos(10.12));
+ (instancetype)buttonWithTitle:(NSString *)title target:(nullable id)target action:(nullable SEL)action
    API_AVAILABLE(macos(10.12));
+ (instancetype)buttonWithImage:(NSImage *)image target:(nullable id)target action:(nullable SEL)action
    API_AVAILABLE(macos(10.12));
+ (instancetype)checkboxWithTitle:(NSString *)title target:(nullable id)target action:(nullable SEL)action
    API_AVAILABLE(macos(10.12));
+ (instancetype)radioButtonWithTitle:(NSString *)title target:(nullable id)target action:(nullable SEL)action
    API_AVAILABLE(macos(10.12));
- (void)setButtonType:(NSButtonType)type;
@property (copy) NSString *title;
@property (copy) NSAttributedString *attributedTitle;
@property (copy) NSString *alternateTitle;
@property (nullable, strong) NSImage *image;
@property (nullable, strong) NSImage *alternateImage;
@property NSBezelStyle bezelStyle;
@property (getter=isBordered) BOOL bordered;
@property (getter=isTransparent) BOOL transparent;
@property NSControlStateValue state;
@property BOOL allowsMixedState;
- (void)setNextState;
@property (copy) NSString *keyEquivalent;
@property NSUInteger keyEquivalentModifierMask;
@property (nullable, copy) NSColor *bezelColor API_AVAILABLE(macos(10.12.2));
@property (nullable, copy) NSColor *contentTintColor API_AVAILABLE(macos(10.14));
- (void)highlight:(BOOL)flag;
- (BOOL)performKeyEquivalent:(NSEvent *)key;
@end

NS_ASSUME_NONNULL_END
