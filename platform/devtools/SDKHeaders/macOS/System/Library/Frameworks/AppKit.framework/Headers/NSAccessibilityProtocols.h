/* NSAccessibilityProtocols.h: the accessibility protocols that AppKit's views, windows and cells adopt and that custom
   elements implement: labels, values, frames, roles, children and actions. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSAccessibilityConstants.h>

NS_ASSUME_NONNULL_BEGIN

@protocol NSAccessibilityElement <NSObject>
@required
- (NSRect)accessibilityFrame;
- (nullable id)accessibilityParent;
@optional
- (BOOL)isAccessibilityFocused;
- (NSString *)accessibilityIdentifier;
@end

@protocol NSAccessibility <NSObject>
@required
@property (getter=isAccessibilityElement) BOOL accessibilityElement API_AVAILABLE(macos(10.10));
@property NSRect accessibilityFrame API_AVAILABLE(macos(10.10));
@property (getter=isAccessibilityFocused) BOOL accessibilityFocused API_AVAILABLE(macos(10.10));
@property NSPoint accessibilityActivationPoint API_AVAILABLE(macos(10.10));
@property (nullable, weak) id accessibilityTopLevelUIElement API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSURL *accessibilityURL API_AVAILABLE(macos(10.10));
@property (nullable, strong) id accessibilityValue API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSString *accessibilityValueDescription API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray *accessibilityVisibleChildren API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSAccessibilitySubrole accessibilitySubrole API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSString *accessibilityTitle API_AVAILABLE(macos(10.10));
@property (nullable, weak) id accessibilityTitleUIElement API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray *accessibilityNextContents API_AVAILABLE(macos(10.10));
@property NSAccessibilityOrientation accessibilityOrientation API_AVAILABLE(macos(10.10));
@property (nullable, strong) id accessibilityOverflowButton API_AVAILABLE(macos(10.10));
@property (nullable, weak) id accessibilityParent API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSString *accessibilityPlaceholderValue API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray *accessibilityPreviousContents API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSAccessibilityRole accessibilityRole API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSString *accessibilityRoleDescription API_AVAILABLE(macos(10.10));
@property (nullable, strong) id accessibilitySearchButton API_AVAILABLE(macos(10.10));
@property (nullable, strong) id accessibilitySearchMenu API_AVAILABLE(macos(10.10));
@property (getter=isAccessibilitySelected) BOOL accessibilitySelected API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray *accessibilitySelectedChildren API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray *accessibilityServesAsTitleForUIElements API_AVAILABLE(macos(10.10));
@property (nullable, strong) id accessibilityShownMenu API_AVAILABLE(macos(10.10));
@property (nullable, strong) id accessibilityMinValue API_AVAILABLE(macos(10.10));
@property (nullable, strong) id accessibilityMaxValue API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray *accessibilityLinkedUIElements API_AVAILABLE(macos(10.10));
@property (nullable, weak) id accessibilityWindow API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSString *accessibilityIdentifier API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSString *accessibilityHelp API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSString *accessibilityFilename API_AVAILABLE(macos(10.10));
@property (getter=isAccessibilityExpanded) BOOL accessibilityExpanded API_AVAILABLE(macos(10.10));
@property (getter=isAccessibilityEdited) BOOL accessibilityEdited API_AVAILABLE(macos(10.10));
@property (getter=isAccessibilityEnabled) BOOL accessibilityEnabled API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray *accessibilityChildren API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray *accessibilityChildrenInNavigationOrder API_AVAILABLE(macos(10.13));
@property (nullable, weak) id accessibilityFocusedWindow API_AVAILABLE(macos(10.10));
@property (getter=isAccessibilityHidden) BOOL accessibilityHidden API_AVAILABLE(macos(10.10));
@property (getter=isAccessibilityMain) BOOL accessibilityMain API_AVAILABLE(macos(10.10));
@property (getter=isAccessibilityMinimized) BOOL accessibilityMinimized API_AVAILABLE(macos(10.10));
@property (getter=isAccessibilityModal) BOOL accessibilityModal API_AVAILABLE(macos(10.10));
@property (getter=isAccessibilityRequired) BOOL accessibilityRequired API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSString *accessibilityLabel API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray *accessibilityRows API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray *accessibilitySelectedRows API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray *accessibilityColumns API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSString *accessibilitySelectedText API_AVAILABLE(macos(10.10));
@property NSRange accessibilitySelectedTextRange API_AVAILABLE(macos(10.10));
@property NSInteger accessibilityNumberOfCharacters API_AVAILABLE(macos(10.10));
@property NSRange accessibilityVisibleCharacterRange API_AVAILABLE(macos(10.10));
@property NSInteger accessibilityInsertionPointLineNumber API_AVAILABLE(macos(10.10));
@property NSInteger accessibilityIndex API_AVAILABLE(macos(10.10));
@property (getter=isAccessibilityDisclosed) BOOL accessibilityDisclosed API_AVAILABLE(macos(10.10));
@property NSInteger accessibilityDisclosureLevel API_AVAILABLE(macos(10.10));
@property (nullable, copy) NSArray *accessibilityCustomActions API_AVAILABLE(macos(10.13));
- (nullable NSString *)accessibilityStringForRange:(NSRange)range API_AVAILABLE(macos(10.10));
- (NSInteger)accessibilityLineForIndex:(NSInteger)index API_AVAILABLE(macos(10.10));
- (NSRange)accessibilityRangeForLine:(NSInteger)line API_AVAILABLE(macos(10.10));
- (NSRect)accessibilityFrameForRange:(NSRange)range API_AVAILABLE(macos(10.10));
- (nullable id)accessibilityCellForColumn:(NSInteger)column row:(NSInteger)row API_AVAILABLE(macos(10.10));
- (BOOL)accessibilityPerformCancel API_AVAILABLE(macos(10.10));
- (BOOL)accessibilityPerformConfirm API_AVAILABLE(macos(10.10));
- (BOOL)accessibilityPerformDecrement API_AVAILABLE(macos(10.10));
- (BOOL)accessibilityPerformDelete API_AVAILABLE(macos(10.10));
- (BOOL)accessibilityPerformIncrement API_AVAILABLE(macos(10.10));
- (BOOL)accessibilityPerformPick API_AVAILABLE(macos(10.10));
- (BOOL)accessibilityPerformPress API_AVAILABLE(macos(10.10));
- (BOOL)accessibilityPerformRaise API_AVAILABLE(macos(10.10));
- (BOOL)accessibilityPerformShowAlternateUI API_AVAILABLE(macos(10.10));
- (BOOL)accessibilityPerformShowDefaultUI API_AVAILABLE(macos(10.10));
- (BOOL)accessibilityPerformShowMenu API_AVAILABLE(macos(10.10));
- (BOOL)isAccessibilitySelectorAllowed:(SEL)selector API_AVAILABLE(macos(10.13));
@end

@protocol NSAccessibilityButton <NSAccessibilityElement>
@required
- (nullable NSString *)accessibilityLabel;
- (BOOL)accessibilityPerformPress;
@end

@protocol NSAccessibilityStaticText <NSAccessibilityElement>
@required
- (nullable NSString *)accessibilityValue;
@end

@protocol NSAccessibilityGroup <NSAccessibilityElement>
@end

@protocol NSAccessibilityImage <NSAccessibilityElement>
@required
- (nullable NSString *)accessibilityLabel;
@end

NS_ASSUME_NONNULL_END
