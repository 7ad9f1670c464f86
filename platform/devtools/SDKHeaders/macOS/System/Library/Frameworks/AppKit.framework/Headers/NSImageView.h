/* NSImageView.h: a control that shows an image, optionally animated, editable and with a frame. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>
#import <AppKit/NSImageCell.h>
#import <AppKit/NSImage.h>

@class NSColor;

NS_ASSUME_NONNULL_BEGIN

@interface NSImageView : NSControl
+ (instancetype)imageViewWithImage:(NSImage *)image API_AVAILABLE(macos(10.12));
@property (nullable, strong) NSImage *image;
@property (getter=isEditable) BOOL editable;
@property NSImageAlignment imageAlignment;
@property NSImageScaling imageScaling;
@property NSImageFrameStyle imageFrameStyle;
@property (nullable, copy) NSColor *contentTintColor API_AVAILABLE(macos(10.14));
@property BOOL animates;
@property BOOL allowsCutCopyPaste;
@property NSImageDynamicRange preferredImageDynamicRange API_AVAILABLE(macos(14.0));
@property (readonly) NSImageDynamicRange imageDynamicRange API_AVAILABLE(macos(14.0));
@end

NS_ASSUME_NONNULL_END
