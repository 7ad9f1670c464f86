/* QLPreviewItem.h: the items that a Quick Look preview shows; file URLs are such items. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN
@protocol QLPreviewItem <NSObject>
@required
@property (nullable, readonly) NSURL *previewItemURL;
@optional
@property (nullable, readonly) NSString *previewItemTitle;
@property (nullable, readonly) id previewItemDisplayState;
@end

@interface NSURL (QLPreviewConvenienceAdditions) <QLPreviewItem>
@end
NS_ASSUME_NONNULL_END
