/* NSColorWell.h: colour wells: controls that show a colour and edit it through the colour panel. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>

@class NSColor, NSImage;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSColorWellStyle) {
    NSColorWellStyleDefault = 0,
    NSColorWellStyleMinimal = 1,
    NSColorWellStyleExpanded = 2
} API_AVAILABLE(macos(13.0));

@interface NSColorWell : NSControl
+ (instancetype)colorWellWithStyle:(NSColorWellStyle)style API_AVAILABLE(macos(13.0));
- (void)deactivate;
- (void)activate:(BOOL)exclusive;
@property (readonly, getter=isActive) BOOL active;
- (void)drawWellInside:(NSRect)insideRect;
@property (getter=isBordered) BOOL bordered;
- (void)takeColorFrom:(nullable id)sender;
@property (copy) NSColor *color;
@property NSColorWellStyle colorWellStyle API_AVAILABLE(macos(13.0));
@property (nullable, strong) NSImage *image API_AVAILABLE(macos(13.0));
@property (nullable, weak) id pulldownTarget API_AVAILABLE(macos(13.0));
@property (nullable) SEL pulldownAction API_AVAILABLE(macos(13.0));
@property BOOL supportsAlpha API_AVAILABLE(macos(14.0));
@end

NS_ASSUME_NONNULL_END
