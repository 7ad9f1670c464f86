/* NSBox.h: boxes: a titled, bordered or separating frame around content. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>
#import <AppKit/NSScrollView.h>

NS_ASSUME_NONNULL_BEGIN

@class NSFont, NSColor;

typedef NS_ENUM(NSUInteger, NSTitlePosition) {
    NSNoTitle = 0,
    NSAboveTop = 1,
    NSAtTop = 2,
    NSBelowTop = 3,
    NSAboveBottom = 4,
    NSAtBottom = 5,
    NSBelowBottom = 6
};

typedef NS_ENUM(NSUInteger, NSBoxType) {
    NSBoxPrimary = 0,
    NSBoxSeparator = 2,
    NSBoxCustom API_AVAILABLE(macos(10.5)) = 4
};

@interface NSBox : NSView
@property NSBoxType boxType;
@property NSTitlePosition titlePosition;
@property (copy) NSString *title;
@property (strong) NSFont *titleFont;
@property (readonly) NSRect borderRect;
@property (readonly) NSRect titleRect;
@property (readonly, strong) id titleCell;
@property NSSize contentViewMargins;
- (void)sizeToFit;
- (void)setFrameFromContentFrame:(NSRect)contentFrame;
@property (nullable, strong) __kindof NSView *contentView;
@property (getter=isTransparent) BOOL transparent API_AVAILABLE(macos(10.5));
@property CGFloat borderWidth API_AVAILABLE(macos(10.5));
@property CGFloat cornerRadius API_AVAILABLE(macos(10.5));
@property (copy) NSColor *borderColor API_AVAILABLE(macos(10.5));
@property (copy) NSColor *fillColor API_AVAILABLE(macos(10.5));
@end

NS_ASSUME_NONNULL_END
