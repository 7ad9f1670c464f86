/* UIAccessibility.h: the user's accessibility settings as the app can read them, the accessibility attributes of
 * every object, and accessibility elements for parts of a view. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>
#import <UIKit/UIBarItem.h>
#import <UIKit/UIImage.h>

@class UIBezierPath, UIAccessibilityCustomAction;

NS_ASSUME_NONNULL_BEGIN

UIKIT_EXTERN BOOL UIAccessibilityIsVoiceOverRunning(void) API_AVAILABLE(ios(4.0));
UIKIT_EXTERN BOOL UIAccessibilityIsReduceMotionEnabled(void) API_AVAILABLE(ios(8.0));
UIKIT_EXTERN BOOL UIAccessibilityIsBoldTextEnabled(void) API_AVAILABLE(ios(8.0));
UIKIT_EXTERN BOOL UIAccessibilityIsClosedCaptioningEnabled(void) API_AVAILABLE(ios(5.0));
UIKIT_EXTERN BOOL UIAccessibilityIsGuidedAccessEnabled(void) API_AVAILABLE(ios(6.0));
UIKIT_EXTERN BOOL UIAccessibilityIsInvertColorsEnabled(void) API_AVAILABLE(ios(6.0));
UIKIT_EXTERN BOOL UIAccessibilityIsMonoAudioEnabled(void) API_AVAILABLE(ios(5.0));
UIKIT_EXTERN BOOL UIAccessibilityIsGrayscaleEnabled(void) API_AVAILABLE(ios(8.0));
UIKIT_EXTERN BOOL UIAccessibilityIsReduceTransparencyEnabled(void) API_AVAILABLE(ios(8.0));
UIKIT_EXTERN BOOL UIAccessibilityDarkerSystemColorsEnabled(void) API_AVAILABLE(ios(8.0));
UIKIT_EXTERN BOOL UIAccessibilityIsSwitchControlRunning(void) API_AVAILABLE(ios(8.0));
UIKIT_EXTERN BOOL UIAccessibilityIsSpeakSelectionEnabled(void) API_AVAILABLE(ios(8.0));
UIKIT_EXTERN BOOL UIAccessibilityIsSpeakScreenEnabled(void) API_AVAILABLE(ios(8.0));
UIKIT_EXTERN BOOL UIAccessibilityIsShakeToUndoEnabled(void) API_AVAILABLE(ios(9.0));
UIKIT_EXTERN BOOL UIAccessibilityIsVideoAutoplayEnabled(void) API_AVAILABLE(ios(13.0));
UIKIT_EXTERN id _Nullable UIAccessibilityFocusedElement(NSString *_Nullable assistiveTechnologyIdentifier)
    API_AVAILABLE(ios(9.0));

typedef uint64_t UIAccessibilityTraits NS_TYPED_ENUM;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitNone;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitButton;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitLink;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitHeader API_AVAILABLE(ios(6.0));
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitSearchField;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitImage;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitSelected;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitPlaysSound;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitKeyboardKey;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitStaticText;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitSummaryElement;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitNotEnabled;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitUpdatesFrequently;
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitAdjustable API_AVAILABLE(ios(4.0));
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitAllowsDirectInteraction API_AVAILABLE(ios(5.0));
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitCausesPageTurn API_AVAILABLE(ios(5.0));
UIKIT_EXTERN UIAccessibilityTraits UIAccessibilityTraitTabBar API_AVAILABLE(ios(10.0));

typedef uint32_t UIAccessibilityNotifications NS_TYPED_ENUM;
UIKIT_EXTERN UIAccessibilityNotifications UIAccessibilityScreenChangedNotification;
UIKIT_EXTERN UIAccessibilityNotifications UIAccessibilityLayoutChangedNotification;
UIKIT_EXTERN UIAccessibilityNotifications UIAccessibilityAnnouncementNotification API_AVAILABLE(ios(4.0));
UIKIT_EXTERN UIAccessibilityNotifications UIAccessibilityPageScrolledNotification API_AVAILABLE(ios(4.2));
UIKIT_EXTERN UIAccessibilityNotifications UIAccessibilityPauseAssistiveTechnologyNotification API_AVAILABLE(ios(8.0));
UIKIT_EXTERN UIAccessibilityNotifications UIAccessibilityResumeAssistiveTechnologyNotification
    API_AVAILABLE(ios(8.0));
UIKIT_EXTERN NSNotificationName const UIAccessibilityAnnouncementDidFinishNotification API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSString *const UIAccessibilityAnnouncementKeyStringValue API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSString *const UIAccessibilityAnnouncementKeyWasSuccessful API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSNotificationName const UIAccessibilityVoiceOverStatusDidChangeNotification API_AVAILABLE(ios(11.0));
UIKIT_EXTERN NSNotificationName const UIAccessibilityVoiceOverStatusChanged
    API_DEPRECATED_WITH_REPLACEMENT("UIAccessibilityVoiceOverStatusDidChangeNotification", ios(4.0, 11.0));
UIKIT_EXTERN NSNotificationName const UIAccessibilityReduceMotionStatusDidChangeNotification API_AVAILABLE(ios(8.0));
UIKIT_EXTERN NSNotificationName const UIAccessibilityReduceTransparencyStatusDidChangeNotification
    API_AVAILABLE(ios(8.0));
UIKIT_EXTERN NSNotificationName const UIAccessibilityBoldTextStatusDidChangeNotification API_AVAILABLE(ios(8.0));
UIKIT_EXTERN NSNotificationName const UIAccessibilityInvertColorsStatusDidChangeNotification API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSNotificationName const UIAccessibilityElementFocusedNotification API_AVAILABLE(ios(9.0));
UIKIT_EXTERN NSString *const UIAccessibilityFocusedElementKey API_AVAILABLE(ios(9.0));

typedef NS_ENUM(NSInteger, UIAccessibilityScrollDirection) {
    UIAccessibilityScrollDirectionRight = 1,
    UIAccessibilityScrollDirectionLeft,
    UIAccessibilityScrollDirectionUp,
    UIAccessibilityScrollDirectionDown,
    UIAccessibilityScrollDirectionNext API_AVAILABLE(ios(5.0)),
    UIAccessibilityScrollDirectionPrevious API_AVAILABLE(ios(5.0)),
};

typedef NS_ENUM(NSInteger, UIAccessibilityNavigationStyle) {
    UIAccessibilityNavigationStyleAutomatic = 0,
    UIAccessibilityNavigationStyleSeparate = 1,
    UIAccessibilityNavigationStyleCombined = 2,
} API_AVAILABLE(ios(8.0));

UIKIT_EXTERN void UIAccessibilityPostNotification(UIAccessibilityNotifications notification, id _Nullable argument);
UIKIT_EXTERN CGRect UIAccessibilityConvertFrameToScreenCoordinates(CGRect rect, UIView *view) API_AVAILABLE(ios(7.0));

/* The accessibility attributes that every object can give. */
@interface NSObject (UIAccessibility)
@property (nonatomic) BOOL isAccessibilityElement;
@property (nullable, nonatomic, copy) NSString *accessibilityLabel;
@property (nullable, nonatomic, copy) NSString *accessibilityHint;
@property (nullable, nonatomic, copy) NSString *accessibilityValue;
@property (nonatomic) UIAccessibilityTraits accessibilityTraits;
@property (nonatomic) CGRect accessibilityFrame;
@property (nullable, nonatomic, copy) UIBezierPath *accessibilityPath API_AVAILABLE(ios(7.0));
@property (nonatomic) CGPoint accessibilityActivationPoint API_AVAILABLE(ios(5.0));
@property (nullable, nonatomic, strong) NSString *accessibilityLanguage;
@property (nonatomic) BOOL accessibilityElementsHidden API_AVAILABLE(ios(5.0));
@property (nonatomic) BOOL accessibilityViewIsModal API_AVAILABLE(ios(5.0));
@property (nonatomic) BOOL shouldGroupAccessibilityChildren API_AVAILABLE(ios(6.0));
@property (nullable, nonatomic, copy) NSAttributedString *accessibilityAttributedLabel API_AVAILABLE(ios(11.0));
@property (nullable, nonatomic, copy) NSAttributedString *accessibilityAttributedHint API_AVAILABLE(ios(11.0));
@property (nullable, nonatomic, copy) NSAttributedString *accessibilityAttributedValue API_AVAILABLE(ios(11.0));
@property (nonatomic) UIAccessibilityNavigationStyle accessibilityNavigationStyle API_AVAILABLE(ios(8.0));
@property (nonatomic) BOOL accessibilityRespondsToUserInteraction API_AVAILABLE(ios(13.0));
@end

/* The actions assistive technologies perform on an element. */
@interface NSObject (UIAccessibilityAction)
- (BOOL)accessibilityActivate API_AVAILABLE(ios(7.0));
- (void)accessibilityIncrement API_AVAILABLE(ios(4.0));
- (void)accessibilityDecrement API_AVAILABLE(ios(4.0));
- (BOOL)accessibilityScroll:(UIAccessibilityScrollDirection)direction API_AVAILABLE(ios(4.2));
- (BOOL)accessibilityPerformEscape API_AVAILABLE(ios(5.0));
- (BOOL)accessibilityPerformMagicTap API_AVAILABLE(ios(6.0));
@property (nullable, nonatomic, strong) NSArray<UIAccessibilityCustomAction *> *accessibilityCustomActions
    API_AVAILABLE(ios(8.0));
@end

@interface NSObject (UIAccessibilityFocus)
- (void)accessibilityElementDidBecomeFocused API_AVAILABLE(ios(4.0));
- (void)accessibilityElementDidLoseFocus API_AVAILABLE(ios(4.0));
- (BOOL)accessibilityElementIsFocused API_AVAILABLE(ios(4.0));
@end

/* The identifier that UI tests find an element by, which VoiceOver does not speak. */
@protocol UIAccessibilityIdentification <NSObject>
@required
@property (nullable, nonatomic, copy) NSString *accessibilityIdentifier API_AVAILABLE(ios(5.0));
@end

@interface UIView (UIAccessibility) <UIAccessibilityIdentification>
@end

@interface UIBarItem (UIAccessibility) <UIAccessibilityIdentification>
@end

@interface UIImage (UIAccessibility) <UIAccessibilityIdentification>
@end

API_AVAILABLE(ios(8.0))
@interface UIAccessibilityCustomAction : NSObject
- (instancetype)initWithName:(NSString *)name target:(nullable id)target selector:(SEL)selector;
- (instancetype)initWithName:(NSString *)name
               actionHandler:(BOOL (^_Nullable)(UIAccessibilityCustomAction *customAction))actionHandler
    API_AVAILABLE(ios(13.0));
@property (nonatomic, copy) NSString *name;
@property (nullable, nonatomic, weak) id target;
@property (nonatomic, assign) SEL selector;
@end

@interface NSObject (UIAccessibilityContainer)
- (NSInteger)accessibilityElementCount;
- (nullable id)accessibilityElementAtIndex:(NSInteger)index;
- (NSInteger)indexOfAccessibilityElement:(id)element;
@property (nullable, nonatomic, strong) NSArray *accessibilityElements API_AVAILABLE(ios(8.0));
@end

@interface UIAccessibilityElement : NSObject <UIAccessibilityIdentification>
- (instancetype)initWithAccessibilityContainer:(id)container;
@property (nullable, nonatomic, weak) id accessibilityContainer;
@property (nonatomic, assign) BOOL isAccessibilityElement;
@property (nullable, nonatomic, strong) NSString *accessibilityLabel;
@property (nullable, nonatomic, strong) NSString *accessibilityHint;
@property (nullable, nonatomic, strong) NSString *accessibilityValue;
@property (nonatomic, assign) CGRect accessibilityFrame;
@property (nonatomic, assign) UIAccessibilityTraits accessibilityTraits;
@property (nonatomic, assign) CGRect accessibilityFrameInContainerSpace API_AVAILABLE(ios(10.0));
@end

NS_ASSUME_NONNULL_END
