/* IKImageBrowserView.h: views that show a grid of images. */
#import <AppKit/AppKit.h>

@class IKImageBrowserCell;

NS_ASSUME_NONNULL_BEGIN

@interface IKImageBrowserView : NSView
- (instancetype)initWithFrame:(NSRect)frame;
@property (nullable, weak) id dataSource;
@property (nullable, weak) id delegate;
- (void)reloadData;
@property NSSize cellSize;
- (IKImageBrowserCell *)newCellForRepresentedItem:(id)anItem API_AVAILABLE(macos(10.6));
- (IKImageBrowserCell *)cellForItemAtIndex:(NSUInteger)index API_AVAILABLE(macos(10.6));
- (NSInteger)indexOfItemAtPoint:(NSPoint)point;
@property (readonly, copy) NSIndexSet *selectionIndexes;
@end

NS_ASSUME_NONNULL_END
