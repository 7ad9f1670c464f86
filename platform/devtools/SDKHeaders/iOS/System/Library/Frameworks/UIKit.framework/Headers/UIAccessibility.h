/* UIAccessibility.h: the user's accessibility settings as the app can read them, the accessibility attributes of
 * every object, and accessibility elements for parts of a view. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>

@class UIView, UIBezierPath;

NS_ASSUME_NONNULL_BEGIN

UIKIT_EXTERN BOOL UIAccessibilityIsVoiceOverRunning(void) API_AVAILABLE(ios(4.0));
UIKIT_EXTERN BOOL UIAccessibilityIsReduceMotionEnabled(void) API_AVAILABLE(ios(8.0));
UIKIT_EXTERN BOOL UIAccessibilityIsBoldTextEnabled(void) API_AVAILABLE(ios(8.0));

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

typedef uint32_t UIAccessibilityNotifications NS_TYPED_ENUM;
UIKIT_EXTERN UIAccessibilityNotifications UIAccessibilityScreenChangedNotification;
UIKIT_EXTERN UIAccessibilityNotifications UIAccessibilityLayoutChangedNotification;
UIKIT_EXTERN UIAccessibilityNotifications UIAccessibilityAnnouncementNotification API_AVAILABLE(ios(4.0));
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
@end

@interface NSObject (UIAccessibilityContainer)
- (NSInteger)accessibilityElementCount;
- (nullable id)accessibilityElementAtIndex:(NSInteger)index;
- (NSInteger)indexOfAccessibilityElement:(id)element;
@property (nullable, nonatomic, strong) NSArray *accessibilityElements API_AVAILABLE(ios(8.0));
@end

@interface UIAccessibilityElement : NSObject
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
