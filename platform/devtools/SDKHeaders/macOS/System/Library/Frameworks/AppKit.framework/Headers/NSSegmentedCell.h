/* NSSegmentedCell.h: the cells of segmented controls. */
#import <AppKit/NSActionCell.h>

@class NSImage, NSMenu, NSView;

NS_ASSUME_NONNULL_BEGIN

@interface NSSegmentedCell : NSActionCell
@property NSInteger segmentCount;
@property NSInteger selectedSegment;
- (void)setLabel:(NSString *)label forSegment:(NSInteger)segment;
- (nullable NSString *)labelForSegment:(NSInteger)segment;
- (void)setImage:(nullable NSImage *)image forSegment:(NSInteger)segment;
- (nullable NSImage *)imageForSegment:(NSInteger)segment;
- (void)drawSegment:(NSInteger)segment inFrame:(NSRect)frame withView:(NSView *)controlView;
@end

NS_ASSUME_NONNULL_END
