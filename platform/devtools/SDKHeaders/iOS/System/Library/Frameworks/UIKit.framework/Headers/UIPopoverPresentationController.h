/* UIPopoverPresentationController.h: the presentation of a view controller in a popover, and its delegate. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIPresentationController.h>
#import <UIKit/UIBarButtonItem.h>

@class UIPopoverPresentationController, UIPopoverBackgroundView;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, UIPopoverArrowDirection) {
    UIPopoverArrowDirectionUp = 1UL << 0,
    UIPopoverArrowDirectionDown = 1UL << 1,
    UIPopoverArrowDirectionLeft = 1UL << 2,
    UIPopoverArrowDirectionRight = 1UL << 3,
    UIPopoverArrowDirectionAny = UIPopoverArrowDirectionUp | UIPopoverArrowDirectionDown |
                                 UIPopoverArrowDirectionLeft | UIPopoverArrowDirectionRight,
    UIPopoverArrowDirectionUnknown = NSUIntegerMax
};

@protocol UIPopoverPresentationControllerDelegate <UIAdaptivePresentationControllerDelegate>
@optional
- (void)prepareForPopoverPresentation:(UIPopoverPresentationController *)popoverPresentationController;
- (BOOL)popoverPresentationControllerShouldDismissPopover:
    (UIPopoverPresentationController *)popoverPresentationController
    API_DEPRECATED_WITH_REPLACEMENT("presentationControllerShouldDismiss:", ios(8.0, 13.0));
- (void)popoverPresentationControllerDidDismissPopover:(UIPopoverPresentationController *)popoverPresentationController
    API_DEPRECATED_WITH_REPLACEMENT("presentationControllerDidDismiss:", ios(8.0, 13.0));
- (void)popoverPresentationController:(UIPopoverPresentationController *)popoverPresentationController
          willRepositionPopoverToRect:(inout CGRect *)rect
                               inView:(inout UIView *_Nonnull *_Nonnull)view;
@end

API_AVAILABLE(ios(8.0))
@interface UIPopoverPresentationController : UIPresentationController
@property (nullable, nonatomic, weak) id<UIPopoverPresentationControllerDelegate> delegate;
@property (nonatomic, assign) UIPopoverArrowDirection permittedArrowDirections;
@property (nullable, nonatomic, strong) UIView *sourceView;
@property (nonatomic, assign) CGRect sourceRect;
@property (nonatomic, assign) BOOL canOverlapSourceViewRect API_AVAILABLE(ios(9.0));
@property (nullable, nonatomic, strong) UIBarButtonItem *barButtonItem;
@property (nonatomic, readonly) UIPopoverArrowDirection arrowDirection;
@property (nullable, nonatomic, copy) NSArray<__kindof UIView *> *passthroughViews;
@property (nullable, nonatomic, copy) UIColor *backgroundColor;
@property (nonatomic, readwrite) UIEdgeInsets popoverLayoutMargins;
@property (nullable, nonatomic, readwrite, strong) Class popoverBackgroundViewClass;
@end

NS_ASSUME_NONNULL_END
