/* UIDocumentInteractionController.h: previewing a file and opening it in another application. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIViewController.h>

@class UIImage, UIView, UIBarButtonItem, UIGestureRecognizer;
@protocol UIDocumentInteractionControllerDelegate;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(3.2)) API_UNAVAILABLE(tvos)
@interface UIDocumentInteractionController : NSObject
+ (UIDocumentInteractionController *)interactionControllerWithURL:(NSURL *)url;
@property (nullable, nonatomic, weak) id<UIDocumentInteractionControllerDelegate> delegate;
@property (nullable, strong) NSURL *URL;
@property (nullable, nonatomic, copy) NSString *UTI;
@property (nullable, copy) NSString *name;
@property (nonatomic, readonly) NSArray<UIImage *> *icons;
@property (nullable, nonatomic, strong) id annotation;
- (BOOL)presentOptionsMenuFromRect:(CGRect)rect inView:(UIView *)view animated:(BOOL)animated;
- (BOOL)presentOptionsMenuFromBarButtonItem:(UIBarButtonItem *)item animated:(BOOL)animated;
- (BOOL)presentPreviewAnimated:(BOOL)animated;
- (BOOL)presentOpenInMenuFromRect:(CGRect)rect inView:(UIView *)view animated:(BOOL)animated;
- (BOOL)presentOpenInMenuFromBarButtonItem:(UIBarButtonItem *)item animated:(BOOL)animated;
- (void)dismissPreviewAnimated:(BOOL)animated;
- (void)dismissMenuAnimated:(BOOL)animated;
@property (nonatomic, readonly) NSArray<__kindof UIGestureRecognizer *> *gestureRecognizers;
@end

API_UNAVAILABLE(tvos)
@protocol UIDocumentInteractionControllerDelegate <NSObject>
@optional
- (UIViewController *)documentInteractionControllerViewControllerForPreview:
    (UIDocumentInteractionController *)controller;
- (CGRect)documentInteractionControllerRectForPreview:(UIDocumentInteractionController *)controller;
- (nullable UIView *)documentInteractionControllerViewForPreview:(UIDocumentInteractionController *)controller;
- (void)documentInteractionControllerWillBeginPreview:(UIDocumentInteractionController *)controller;
- (void)documentInteractionControllerDidEndPreview:(UIDocumentInteractionController *)controller;
- (void)documentInteractionControllerWillPresentOptionsMenu:(UIDocumentInteractionController *)controller;
- (void)documentInteractionControllerDidDismissOptionsMenu:(UIDocumentInteractionController *)controller;
- (void)documentInteractionControllerWillPresentOpenInMenu:(UIDocumentInteractionController *)controller;
- (void)documentInteractionControllerDidDismissOpenInMenu:(UIDocumentInteractionController *)controller;
- (void)documentInteractionController:(UIDocumentInteractionController *)controller
        willBeginSendingToApplication:(nullable NSString *)application;
- (void)documentInteractionController:(UIDocumentInteractionController *)controller
           didEndSendingToApplication:(nullable NSString *)application;
@end

NS_ASSUME_NONNULL_END
