/* NSTableCellView.h: the view of one cell of a view-based table: an object value with a text field and an image view. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>
#import <AppKit/NSCell.h>

NS_ASSUME_NONNULL_BEGIN

@class NSTextField, NSImageView, NSDraggingImageComponent;

API_AVAILABLE(macos(10.7))
@interface NSTableCellView : NSView
@property (nullable, strong) id objectValue;
@property (nullable, assign) IBOutlet NSTextField *textField;
@property (nullable, assign) IBOutlet NSImageView *imageView;
@property NSBackgroundStyle backgroundStyle;
@property NSInteger rowSizeStyle;
@property (readonly, strong) NSArray<NSDraggingImageComponent *> *draggingImageComponents;
@end

NS_ASSUME_NONNULL_END
