/* UIBarButtonItem.h: buttons in navigation bars and toolbars: system items, titles, images and custom views. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIBarItem.h>

@class UIImage, UIView, UIColor;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIBarButtonItemStyle) {
    UIBarButtonItemStylePlain,
    UIBarButtonItemStyleBordered API_DEPRECATED("Use UIBarButtonItemStylePlain when minimum deployment target is iOS7 or later",
                                                ios(2.0, 8.0)),
    UIBarButtonItemStyleDone,
};

typedef NS_ENUM(NSInteger, UIBarButtonSystemItem) {
    UIBarButtonSystemItemDone,
    UIBarButtonSystemItemCancel,
    UIBarButtonSystemItemEdit,
    UIBarButtonSystemItemSave,
    UIBarButtonSystemItemAdd,
    UIBarButtonSystemItemFlexibleSpace,
    UIBarButtonSystemItemFixedSpace,
    UIBarButtonSystemItemCompose,
    UIBarButtonSystemItemReply,
    UIBarButtonSystemItemAction,
    UIBarButtonSystemItemOrganize,
    UIBarButtonSystemItemBookmarks,
    UIBarButtonSystemItemSearch,
    UIBarButtonSystemItemRefresh,
    UIBarButtonSystemItemStop,
    UIBarButtonSystemItemCamera,
    UIBarButtonSystemItemTrash,
    UIBarButtonSystemItemPlay,
    UIBarButtonSystemItemPause,
    UIBarButtonSystemItemRewind,
    UIBarButtonSystemItemFastForward,
    UIBarButtonSystemItemUndo API_AVAILABLE(ios(3.0)),
    UIBarButtonSystemItemRedo API_AVAILABLE(ios(3.0)),
    UIBarButtonSystemItemPageCurl API_DEPRECATED("", ios(4.0, 11.0)),
    UIBarButtonSystemItemClose API_AVAILABLE(ios(13.0)),
};

@interface UIBarButtonItem : UIBarItem <NSCoding>
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithImage:(nullable UIImage *)image
                        style:(UIBarButtonItemStyle)style
                       target:(nullable id)target
                       action:(nullable SEL)action;
- (instancetype)initWithTitle:(nullable NSString *)title
                        style:(UIBarButtonItemStyle)style
                       target:(nullable id)target
                       action:(nullable SEL)action;
- (instancetype)initWithBarButtonSystemItem:(UIBarButtonSystemItem)systemItem
                                     target:(nullable id)target
                                     action:(nullable SEL)action;
- (instancetype)initWithCustomView:(UIView *)customView;
+ (instancetype)flexibleSpaceItem API_AVAILABLE(ios(14.0));
+ (instancetype)fixedSpaceItemOfWidth:(CGFloat)width API_AVAILABLE(ios(14.0));
@property (nonatomic) UIBarButtonItemStyle style;
@property (nonatomic) CGFloat width;
@property (nullable, nonatomic, strong) __kindof UIView *customView;
@property (nullable, nonatomic) SEL action;
@property (nullable, nonatomic, weak) id target;
@property (nullable, nonatomic, strong) UIColor *tintColor API_AVAILABLE(ios(5.0));
@property (nonatomic, getter=isHidden) BOOL hidden API_AVAILABLE(ios(16.0));
@end

NS_ASSUME_NONNULL_END
