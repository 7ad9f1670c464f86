/* UIContextMenuConfiguration.h and the context menu interaction: the menus and previews of a long press. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIMenu.h>
#import <UIKit/UIViewController.h>

@class UIContextMenuInteraction, UIContextMenuConfiguration, UITargetedPreview;

NS_ASSUME_NONNULL_BEGIN

typedef UIViewController *_Nullable (^UIContextMenuContentPreviewProvider)(void) API_AVAILABLE(ios(13.0));
typedef UIMenu *_Nullable (^UIContextMenuActionProvider)(NSArray<UIMenuElement *> *suggestedActions)
    API_AVAILABLE(ios(13.0));

API_AVAILABLE(ios(13.0)) API_UNAVAILABLE(tvos)
@interface UIContextMenuConfiguration : NSObject
@property (nonatomic, readonly) id<NSCopying> identifier;
+ (instancetype)configurationWithIdentifier:(nullable id<NSCopying>)identifier
                            previewProvider:(nullable UIContextMenuContentPreviewProvider)previewProvider
                             actionProvider:(nullable UIContextMenuActionProvider)actionProvider;
- (instancetype)init NS_UNAVAILABLE;
+ (instancetype)new NS_UNAVAILABLE;
@end

API_AVAILABLE(ios(13.0)) API_UNAVAILABLE(tvos)
@protocol UIContextMenuInteractionCommitAnimating <NSObject>
@property (nonatomic, readonly, nullable) UIViewController *previewViewController;
- (void)addAnimations:(void (^)(void))animations;
- (void)addCompletion:(void (^)(void))completion;
@end

API_AVAILABLE(ios(13.0)) API_UNAVAILABLE(tvos)
@protocol UIContextMenuInteractionDelegate <NSObject>
- (nullable UIContextMenuConfiguration *)contextMenuInteraction:(UIContextMenuInteraction *)interaction
                                 configurationForMenuAtLocation:(CGPoint)location;
@optional
- (void)contextMenuInteraction:(UIContextMenuInteraction *)interaction
    willPerformPreviewActionForMenuWithConfiguration:(UIContextMenuConfiguration *)configuration
                                            animator:(id<UIContextMenuInteractionCommitAnimating>)animator;
@end

API_AVAILABLE(ios(13.0)) API_UNAVAILABLE(tvos)
@interface UIContextMenuInteraction : NSObject
@property (nonatomic, weak, readonly) id<UIContextMenuInteractionDelegate> delegate;
- (instancetype)initWithDelegate:(id<UIContextMenuInteractionDelegate>)delegate NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
+ (instancetype)new NS_UNAVAILABLE;
- (CGPoint)locationInView:(nullable UIView *)view;
- (void)dismissMenu;
@end

NS_ASSUME_NONNULL_END
