/* UIActivityViewController.h: the share sheet: the activities offered for some items and how it ended. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIViewController.h>
#import <UIKit/UIActivity.h>

NS_ASSUME_NONNULL_BEGIN

typedef void (^UIActivityViewControllerCompletionHandler)(UIActivityType _Nullable activityType, BOOL completed);
typedef void (^UIActivityViewControllerCompletionWithItemsHandler)(UIActivityType _Nullable activityType,
                                                                    BOOL completed,
                                                                    NSArray *_Nullable returnedItems,
                                                                    NSError *_Nullable activityError);

API_AVAILABLE(ios(6.0)) API_UNAVAILABLE(tvos)
@interface UIActivityViewController : UIViewController
- (instancetype)init NS_UNAVAILABLE;
- (instancetype)initWithActivityItems:(NSArray *)activityItems
                applicationActivities:(nullable NSArray<__kindof UIActivity *> *)applicationActivities
    NS_DESIGNATED_INITIALIZER;
@property (nullable, nonatomic, copy) UIActivityViewControllerCompletionHandler completionHandler
    API_DEPRECATED_WITH_REPLACEMENT("completionWithItemsHandler", ios(6.0, 8.0));
@property (nullable, nonatomic, copy) UIActivityViewControllerCompletionWithItemsHandler completionWithItemsHandler
    API_AVAILABLE(ios(8.0));
@property (nullable, nonatomic, copy) NSArray<UIActivityType> *excludedActivityTypes;
@end

NS_ASSUME_NONNULL_END
