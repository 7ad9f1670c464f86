/* NSMatrix.h: grids of cells within one control. */
#import <AppKit/NSControl.h>

@class NSCell, NSEvent;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSMatrixMode) {
    NSRadioModeMatrix = 0,
    NSHighlightModeMatrix = 1,
    NSListModeMatrix = 2,
    NSTrackModeMatrix = 3
};

@interface NSMatrix : NSControl
- (instancetype)initWithFrame:(NSRect)frameRect;
@property (null_resettable, assign) Class cellClass;
@property (nullable, strong) __kindof NSCell *prototype;
- (NSCell *)makeCellAtRow:(NSInteger)row column:(NSInteger)col;
@property NSMatrixMode mode;
@property (readonly) NSInteger numberOfRows;
@property (readonly) NSInteger numberOfColumns;
- (nullable __kindof NSCell *)cellAtRow:(NSInteger)row column:(NSInteger)col;
- (void)mouseDown:(NSEvent *)event;
@end

NS_ASSUME_NONNULL_END
