/* UIStateRestoration.h: state preservation and restoration of views and view controllers. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>
#import <UIKit/UIViewController.h>

NS_ASSUME_NONNULL_BEGIN

UIKIT_EXTERN NSString *const UIStateRestorationViewControllerStoryboardKey API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSString *const UIApplicationStateRestorationBundleVersionKey API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSString *const UIApplicationStateRestorationUserInterfaceIdiomKey API_AVAILABLE(ios(6.0));

@protocol UIViewControllerRestoration
+ (nullable UIViewController *)viewControllerWithRestorationIdentifierPath:(NSArray<NSString *> *)identifierComponents
                                                                     coder:(NSCoder *)coder;
@end

@protocol UIDataSourceModelAssociation
- (nullable NSString *)modelIdentifierForElementAtIndexPath:(NSIndexPath *)idx inView:(UIView *)view;
- (nullable NSIndexPath *)indexPathForElementWithModelIdentifier:(NSString *)identifier inView:(UIView *)view;
@end

@protocol UIStateRestoring <NSObject>
@optional
@property (nonatomic, readonly, nullable) id<UIStateRestoring> restorationParent;
@property (nonatomic, readonly, nullable) Class objectRestorationClass;
- (void)encodeRestorableStateWithCoder:(NSCoder *)coder;
- (void)decodeRestorableStateWithCoder:(NSCoder *)coder;
- (void)applicationFinishedRestoringState;
@end

@interface UIView (UIStateRestoration)
@property (nullable, nonatomic, copy) NSString *restorationIdentifier API_AVAILABLE(ios(6.0));
- (void)encodeRestorableStateWithCoder:(NSCoder *)coder API_AVAILABLE(ios(6.0));
- (void)decodeRestorableStateWithCoder:(NSCoder *)coder API_AVAILABLE(ios(6.0));
@end

@interface UIViewController (UIStateRestoration)
@property (nullable, nonatomic, copy) NSString *restorationIdentifier API_AVAILABLE(ios(6.0));
@property (nullable, nonatomic, readwrite, assign) Class<UIViewControllerRestoration> restorationClass
    API_AVAILABLE(ios(6.0));
- (void)encodeRestorableStateWithCoder:(NSCoder *)coder API_AVAILABLE(ios(6.0));
- (void)decodeRestorableStateWithCoder:(NSCoder *)coder API_AVAILABLE(ios(6.0));
- (void)applicationFinishedRestoringState API_AVAILABLE(ios(7.0));
@end

NS_ASSUME_NONNULL_END
