/* NSActionCell.h: cells that send an action to a target. */
#import <AppKit/NSCell.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSActionCell : NSCell
@property (nullable, weak) id target;
@property (nullable) SEL action;
@property NSInteger tag;
@end

NS_ASSUME_NONNULL_END
