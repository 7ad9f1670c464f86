/* NSButtonCell.h: the cells of buttons: drawing their bezel, image and title. */
#import <AppKit/NSActionCell.h>

@class NSAttributedString, NSImage, NSView;

NS_ASSUME_NONNULL_BEGIN

@interface NSButtonCell : NSActionCell
- (instancetype)initTextCell:(NSString *)string NS_DESIGNATED_INITIALIZER;
- (instancetype)initImageCell:(nullable NSImage *)image NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (copy) NSString *title;
@property (copy) NSString *alternateTitle;
@property (nullable, strong) NSImage *alternateImage;
@property NSCellImagePosition imagePosition;
- (void)drawImage:(NSImage *)image withFrame:(NSRect)frame inView:(NSView *)controlView;
- (NSRect)drawTitle:(NSAttributedString *)title withFrame:(NSRect)frame inView:(NSView *)controlView;
- (void)drawBezelWithFrame:(NSRect)frame inView:(NSView *)controlView;
@end

NS_ASSUME_NONNULL_END
