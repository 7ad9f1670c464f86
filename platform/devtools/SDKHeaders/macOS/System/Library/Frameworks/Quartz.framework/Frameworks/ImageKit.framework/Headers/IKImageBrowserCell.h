/* IKImageBrowserCell.h: the cells of an image browser view. */
#import <AppKit/AppKit.h>

@class IKImageBrowserView, CALayer;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.6))
@interface IKImageBrowserCell : NSObject
- (nullable IKImageBrowserView *)imageBrowserView;
- (nullable id)representedItem;
- (NSUInteger)indexOfRepresentedItem;
- (NSRect)frame;
- (NSRect)imageContainerFrame;
- (NSRect)imageFrame;
- (NSRect)selectionFrame;
- (NSRect)titleFrame;
- (BOOL)isSelected;
- (nullable CALayer *)layerForType:(NSString *)type;
@end

NS_ASSUME_NONNULL_END
