/* UITableViewCell.h: table view cells: styles, content views and labels, accessories, selection and reuse. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>

@class UIImage, UIColor, UILabel, UIImageView, UIButton, UITableView;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UITableViewCellStyle) {
    UITableViewCellStyleDefault,
    UITableViewCellStyleValue1,
    UITableViewCellStyleValue2,
    UITableViewCellStyleSubtitle
};

typedef NS_ENUM(NSInteger, UITableViewCellSeparatorStyle) {
    UITableViewCellSeparatorStyleNone,
    UITableViewCellSeparatorStyleSingleLine,
};

typedef NS_ENUM(NSInteger, UITableViewCellSelectionStyle) {
    UITableViewCellSelectionStyleNone,
    UITableViewCellSelectionStyleBlue,
    UITableViewCellSelectionStyleGray,
    UITableViewCellSelectionStyleDefault API_AVAILABLE(ios(7.0))
};

typedef NS_ENUM(NSInteger, UITableViewCellEditingStyle) {
    UITableViewCellEditingStyleNone,
    UITableViewCellEditingStyleDelete,
    UITableViewCellEditingStyleInsert
};

typedef NS_ENUM(NSInteger, UITableViewCellAccessoryType) {
    UITableViewCellAccessoryNone,
    UITableViewCellAccessoryDisclosureIndicator,
    UITableViewCellAccessoryDetailDisclosureButton,
    UITableViewCellAccessoryCheckmark,
    UITableViewCellAccessoryDetailButton API_AVAILABLE(ios(7.0))
};

@interface UITableViewCell : UIView

- (instancetype)initWithStyle:(UITableViewCellStyle)style
              reuseIdentifier:(nullable NSString *)reuseIdentifier API_AVAILABLE(ios(3.0)) NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;

@property (nonatomic, readonly, strong, nullable) UIImageView *imageView
    API_DEPRECATED("Use UIListContentConfiguration instead", ios(3.0, API_TO_BE_DEPRECATED));
@property (nonatomic, readonly, strong, nullable) UILabel *textLabel
    API_DEPRECATED("Use UIListContentConfiguration instead", ios(3.0, API_TO_BE_DEPRECATED));
@property (nonatomic, readonly, strong, nullable) UILabel *detailTextLabel
    API_DEPRECATED("Use UIListContentConfiguration instead", ios(3.0, API_TO_BE_DEPRECATED));
@property (nonatomic, copy, nullable) NSString *text API_DEPRECATED("Use the textLabel property instead", ios(2.0, 3.0));
@property (nonatomic, readonly, strong) UIView *contentView;
@property (nonatomic, strong, nullable) UIView *backgroundView;
@property (nonatomic, strong, nullable) UIView *selectedBackgroundView;
@property (nonatomic, readonly, copy, nullable) NSString *reuseIdentifier;
- (void)prepareForReuse NS_REQUIRES_SUPER;

@property (nonatomic) UITableViewCellSelectionStyle selectionStyle;
@property (nonatomic, getter=isSelected) BOOL selected;
@property (nonatomic, getter=isHighlighted) BOOL highlighted;
- (void)setSelected:(BOOL)selected animated:(BOOL)animated;
- (void)setHighlighted:(BOOL)highlighted animated:(BOOL)animated;
@property (nonatomic, readonly) UITableViewCellEditingStyle editingStyle;
@property (nonatomic) BOOL showsReorderControl;
@property (nonatomic) BOOL shouldIndentWhileEditing;
@property (nonatomic) UITableViewCellAccessoryType accessoryType;
@property (nonatomic, strong, nullable) UIView *accessoryView;
@property (nonatomic) NSInteger indentationLevel;
@property (nonatomic) CGFloat indentationWidth;
@property (nonatomic) UIEdgeInsets separatorInset API_AVAILABLE(ios(7.0));
@property (nonatomic, getter=isEditing) BOOL editing;
- (void)setEditing:(BOOL)editing animated:(BOOL)animated;

@end

NS_ASSUME_NONNULL_END
