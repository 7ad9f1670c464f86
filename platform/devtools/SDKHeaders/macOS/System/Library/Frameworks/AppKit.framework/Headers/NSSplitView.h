/* NSSplitView.h: split views: views side by side or stacked, divided by movable dividers, and their delegate. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>

NS_ASSUME_NONNULL_BEGIN

@protocol NSSplitViewDelegate;

typedef NSString *NSSplitViewAutosaveName NS_TYPED_EXTENSIBLE_ENUM;

typedef NS_ENUM(NSInteger, NSSplitViewDividerStyle) {
    NSSplitViewDividerStyleThick = 1,
    NSSplitViewDividerStyleThin = 2,
    NSSplitViewDividerStylePaneSplitter API_AVAILABLE(macos(10.6)) = 3,
} API_AVAILABLE(macos(10.5));

@interface NSSplitView : NSView
@property (getter=isVertical) BOOL vertical;
@property NSSplitViewDividerStyle dividerStyle API_AVAILABLE(macos(10.5));
@property (nullable, copy) NSSplitViewAutosaveName autosaveName API_AVAILABLE(macos(10.5));
@property (nullable, weak) id<NSSplitViewDelegate> delegate;
- (void)drawDividerInRect:(NSRect)rect;
@property (readonly, copy) NSColor *dividerColor API_AVAILABLE(macos(10.5));
@property (readonly) CGFloat dividerThickness;
- (void)adjustSubviews;
- (BOOL)isSubviewCollapsed:(NSView *)subview;
- (CGFloat)minPossiblePositionOfDividerAtIndex:(NSInteger)dividerIndex API_AVAILABLE(macos(10.5));
- (CGFloat)maxPossiblePositionOfDividerAtIndex:(NSInteger)dividerIndex API_AVAILABLE(macos(10.5));
- (void)setPosition:(CGFloat)position ofDividerAtIndex:(NSInteger)dividerIndex API_AVAILABLE(macos(10.5));
- (NSLayoutPriority)holdingPriorityForSubviewAtIndex:(NSInteger)subviewIndex API_AVAILABLE(macos(10.8));
- (void)setHoldingPriority:(NSLayoutPriority)priority forSubviewAtIndex:(NSInteger)subviewIndex API_AVAILABLE(macos(10.8));
@property BOOL arrangesAllSubviews API_AVAILABLE(macos(10.11));
@property (readonly, copy) NSArray<__kindof NSView *> *arrangedSubviews API_AVAILABLE(macos(10.11));
- (void)addArrangedSubview:(NSView *)view API_AVAILABLE(macos(10.11));
- (void)insertArrangedSubview:(NSView *)view atIndex:(NSInteger)index API_AVAILABLE(macos(10.11));
- (void)removeArrangedSubview:(NSView *)view API_AVAILABLE(macos(10.11));
@end

@protocol NSSplitViewDelegate <NSObject>
@optional
- (BOOL)splitView:(NSSplitView *)splitView canCollapseSubview:(NSView *)subview;
- (BOOL)splitView:(NSSplitView *)splitView shouldCollapseSubview:(NSView *)subview forDoubleClickOnDividerAtIndex:(NSInteger)dividerIndex API_DEPRECATED("", macos(10.5, 10.15));
- (CGFloat)splitView:(NSSplitView *)splitView constrainMinCoordinate:(CGFloat)proposedMinimumPosition ofSubviewAt:(NSInteger)dividerIndex;
- (CGFloat)splitView:(NSSplitView *)splitView constrainMaxCoordinate:(CGFloat)proposedMaximumPosition ofSubviewAt:(NSInteger)dividerIndex;
- (CGFloat)splitView:(NSSplitView *)splitView constrainSplitPosition:(CGFloat)proposedPosition ofSubviewAt:(NSInteger)dividerIndex;
- (void)splitView:(NSSplitView *)splitView resizeSubviewsWithOldSize:(NSSize)oldSize;
- (BOOL)splitView:(NSSplitView *)splitView shouldAdjustSizeOfSubview:(NSView *)view API_AVAILABLE(macos(10.6));
- (BOOL)splitView:(NSSplitView *)splitView shouldHideDividerAtIndex:(NSInteger)dividerIndex API_AVAILABLE(macos(10.5));
- (NSRect)splitView:(NSSplitView *)splitView effectiveRect:(NSRect)proposedEffectiveRect forDrawnRect:(NSRect)drawnRect ofDividerAtIndex:(NSInteger)dividerIndex API_AVAILABLE(macos(10.5));
- (NSRect)splitView:(NSSplitView *)splitView additionalEffectiveRectOfDividerAtIndex:(NSInteger)dividerIndex API_AVAILABLE(macos(10.5));
- (void)splitViewWillResizeSubviews:(NSNotification *)notification;
- (void)splitViewDidResizeSubviews:(NSNotification *)notification;
@end

APPKIT_EXTERN NSNotificationName NSSplitViewWillResizeSubviewsNotification;
APPKIT_EXTERN NSNotificationName NSSplitViewDidResizeSubviewsNotification;

NS_ASSUME_NONNULL_END
