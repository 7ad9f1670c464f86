/* NSImage.h: images: by name from the bundle or asset catalogue, from files and data; sizes and drawing. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSGraphics.h>
#import <AppKit/NSImageRep.h>
#import <AppKit/NSBitmapImageRep.h>

@class NSColor, NSGraphicsContext;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSImageName NS_TYPED_EXTENSIBLE_ENUM;

APPKIT_EXTERN NSImageName const NSImageNameApplicationIcon;
APPKIT_EXTERN NSImageName const NSImageNameFolder;
APPKIT_EXTERN NSImageName const NSImageNameActionTemplate;
APPKIT_EXTERN NSImageName const NSImageNameAddTemplate;
APPKIT_EXTERN NSImageName const NSImageNameRemoveTemplate;
APPKIT_EXTERN NSImageName const NSImageNameQuickLookTemplate;
APPKIT_EXTERN NSImageName const NSImageNameBluetoothTemplate;
APPKIT_EXTERN NSImageName const NSImageNameIChatTheaterTemplate;
APPKIT_EXTERN NSImageName const NSImageNameSlideshowTemplate;
APPKIT_EXTERN NSImageName const NSImageNameSmartBadgeTemplate;
APPKIT_EXTERN NSImageName const NSImageNameIconViewTemplate;
APPKIT_EXTERN NSImageName const NSImageNameListViewTemplate;
APPKIT_EXTERN NSImageName const NSImageNameColumnViewTemplate;
APPKIT_EXTERN NSImageName const NSImageNameFlowViewTemplate;
APPKIT_EXTERN NSImageName const NSImageNamePathTemplate;
APPKIT_EXTERN NSImageName const NSImageNameInvalidDataFreestandingTemplate;
APPKIT_EXTERN NSImageName const NSImageNameLockLockedTemplate;
APPKIT_EXTERN NSImageName const NSImageNameLockUnlockedTemplate;
APPKIT_EXTERN NSImageName const NSImageNameGoForwardTemplate;
APPKIT_EXTERN NSImageName const NSImageNameGoBackTemplate;
APPKIT_EXTERN NSImageName const NSImageNameGoRightTemplate;
APPKIT_EXTERN NSImageName const NSImageNameGoLeftTemplate;
APPKIT_EXTERN NSImageName const NSImageNameRightFacingTriangleTemplate;
APPKIT_EXTERN NSImageName const NSImageNameLeftFacingTriangleTemplate;
APPKIT_EXTERN NSImageName const NSImageNameStopProgressTemplate;
APPKIT_EXTERN NSImageName const NSImageNameStopProgressFreestandingTemplate;
APPKIT_EXTERN NSImageName const NSImageNameRefreshTemplate;
APPKIT_EXTERN NSImageName const NSImageNameRefreshFreestandingTemplate;
APPKIT_EXTERN NSImageName const NSImageNameFollowLinkFreestandingTemplate;
APPKIT_EXTERN NSImageName const NSImageNameRevealFreestandingTemplate;
APPKIT_EXTERN NSImageName const NSImageNameEnterFullScreenTemplate;
APPKIT_EXTERN NSImageName const NSImageNameExitFullScreenTemplate;
APPKIT_EXTERN NSImageName const NSImageNameShareTemplate;
APPKIT_EXTERN NSImageName const NSImageNameMenuOnStateTemplate;
APPKIT_EXTERN NSImageName const NSImageNameMenuMixedStateTemplate;
APPKIT_EXTERN NSImageName const NSImageNameMultipleDocuments;
APPKIT_EXTERN NSImageName const NSImageNameUser;
APPKIT_EXTERN NSImageName const NSImageNameUserGroup;
APPKIT_EXTERN NSImageName const NSImageNameEveryone;
APPKIT_EXTERN NSImageName const NSImageNameUserGuest;
APPKIT_EXTERN NSImageName const NSImageNameBonjour;
APPKIT_EXTERN NSImageName const NSImageNameDotMac;
APPKIT_EXTERN NSImageName const NSImageNameComputer;
APPKIT_EXTERN NSImageName const NSImageNameFolderBurnable;
APPKIT_EXTERN NSImageName const NSImageNameFolderSmart;
APPKIT_EXTERN NSImageName const NSImageNameNetwork;
APPKIT_EXTERN NSImageName const NSImageNameMobileMe;
APPKIT_EXTERN NSImageName const NSImageNameUserAccounts;
APPKIT_EXTERN NSImageName const NSImageNamePreferencesGeneral;
APPKIT_EXTERN NSImageName const NSImageNameAdvanced;
APPKIT_EXTERN NSImageName const NSImageNameInfo;
APPKIT_EXTERN NSImageName const NSImageNameFontPanel;
APPKIT_EXTERN NSImageName const NSImageNameColorPanel;
APPKIT_EXTERN NSImageName const NSImageNameCaution;
APPKIT_EXTERN NSImageName const NSImageNameTrashEmpty;
APPKIT_EXTERN NSImageName const NSImageNameTrashFull;
APPKIT_EXTERN NSImageName const NSImageNameHomeTemplate;
APPKIT_EXTERN NSImageName const NSImageNameBookmarksTemplate;
APPKIT_EXTERN NSImageName const NSImageNameStatusAvailable;
APPKIT_EXTERN NSImageName const NSImageNameStatusPartiallyAvailable;
APPKIT_EXTERN NSImageName const NSImageNameStatusUnavailable;
APPKIT_EXTERN NSImageName const NSImageNameStatusNone;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarAddDetailTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarAddTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarAlarmTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarAudioInputMuteTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarAudioInputTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarAudioOutputMuteTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarAudioOutputVolumeHighTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarAudioOutputVolumeLowTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarAudioOutputVolumeMediumTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarAudioOutputVolumeOffTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarBookmarksTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarColorPickerFill;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarColorPickerFont;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarColorPickerStroke;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarCommunicationAudioTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarCommunicationVideoTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarComposeTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarDeleteTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarDownloadTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarEnterFullScreenTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarExitFullScreenTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarFastForwardTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarFolderCopyToTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarFolderMoveToTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarFolderTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarGetInfoTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarGoBackTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarGoDownTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarGoForwardTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarGoUpTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarHistoryTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarIconViewTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarListViewTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarMailTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarNewFolderTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarNewMessageTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarOpenInBrowserTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarPauseTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarPlayPauseTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarPlayTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarQuickLookTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarRecordStartTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarRecordStopTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarRefreshTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarRewindTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarRotateLeftTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarRotateRightTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarSearchTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarShareTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarSidebarTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarSkipAhead15SecondsTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarSkipAhead30SecondsTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarSkipAheadTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarSkipBack15SecondsTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarSkipBack30SecondsTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarSkipBackTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarSkipToEndTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarSkipToStartTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarSlideshowTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarTagIconTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarTextBoldTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarTextBoxTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarTextCenterAlignTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarTextItalicTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarTextJustifiedAlignTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarTextLeftAlignTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarTextListTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarTextRightAlignTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarTextStrikethroughTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarTextUnderlineTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarUserAddTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarUserGroupTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarUserTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarVolumeDownTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarVolumeUpTemplate;
APPKIT_EXTERN NSImageName const NSImageNameTouchBarPlayheadTemplate;

typedef NS_ENUM(NSUInteger, NSImageCacheMode) {
    NSImageCacheDefault,
    NSImageCacheAlways,
    NSImageCacheBySize,
    NSImageCacheNever
};

typedef NS_ENUM(NSInteger, NSImageResizingMode) {
    NSImageResizingModeTile,
    NSImageResizingModeStretch
} API_AVAILABLE(macos(10.10));

typedef NS_ENUM(NSInteger, NSImageDynamicRange) {
    NSImageDynamicRangeUnspecified = -1,
    NSImageDynamicRangeStandard = 0,
    NSImageDynamicRangeConstrainedHigh = 1,
    NSImageDynamicRangeHigh = 2,
} API_AVAILABLE(macos(14.0));

@interface NSImage : NSObject <NSCopying, NSSecureCoding>

+ (nullable NSImage *)imageNamed:(NSImageName)name;
+ (nullable instancetype)imageWithSystemSymbolName:(NSString *)name
                          accessibilityDescription:(nullable NSString *)description API_AVAILABLE(macos(11.0));
- (instancetype)initWithSize:(NSSize)size NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithData:(NSData *)data;
- (nullable instancetype)initWithContentsOfFile:(NSString *)fileName;
- (nullable instancetype)initWithContentsOfURL:(NSURL *)url;
- (nullable instancetype)initByReferencingFile:(NSString *)fileName;
- (instancetype)initWithCGImage:(CGImageRef)cgImage size:(NSSize)size API_AVAILABLE(macos(10.6));
#if defined(__BLOCKS__)
+ (instancetype)imageWithSize:(NSSize)size
                      flipped:(BOOL)drawingHandlerShouldBeCalledWithFlippedContext
               drawingHandler:(BOOL (^)(NSRect dstRect))drawingHandler API_AVAILABLE(macos(10.8));
#endif

@property NSSize size;
/* The template flag, as methods: its property name is a C++ keyword. */
- (BOOL)isTemplate API_AVAILABLE(macos(10.5));
- (void)setTemplate:(BOOL)isTemplate API_AVAILABLE(macos(10.5));
@property (nullable, copy) NSString *accessibilityDescription API_AVAILABLE(macos(10.6));
@property (readonly, getter=isValid) BOOL valid;
@property NSImageCacheMode cacheMode;
@property NSEdgeInsets capInsets API_AVAILABLE(macos(10.10));
@property NSImageResizingMode resizingMode API_AVAILABLE(macos(10.10));
@property NSRect alignmentRect API_AVAILABLE(macos(10.7));
@property (copy) NSColor *backgroundColor;
@property BOOL matchesOnMultipleResolution;
@property BOOL matchesOnlyOnBestFittingAxis API_AVAILABLE(macos(10.7));
@property BOOL usesEPSOnResolutionMismatch;
@property BOOL prefersColorMatch;
- (void)recache;
@property (readonly, copy) NSArray<NSImageRep *> *representations;
- (void)addRepresentations:(NSArray<NSImageRep *> *)imageReps;
- (void)addRepresentation:(NSImageRep *)imageRep;
- (void)removeRepresentation:(NSImageRep *)imageRep;
- (nullable NSImageRep *)bestRepresentationForRect:(NSRect)rect
                                           context:(nullable NSGraphicsContext *)referenceContext
                                             hints:(nullable NSDictionary<NSImageHintKey, id> *)hints
    API_AVAILABLE(macos(10.6));
- (BOOL)hitTestRect:(NSRect)testRectDestSpace
    withImageDestinationRect:(NSRect)imageRectDestSpace
                     context:(nullable NSGraphicsContext *)context
                       hints:(nullable NSDictionary<NSImageHintKey, id> *)hints
                     flipped:(BOOL)flipped API_AVAILABLE(macos(10.6));
- (CGFloat)recommendedLayerContentsScale:(CGFloat)preferredContentsScale API_AVAILABLE(macos(10.7));
- (id)layerContentsForContentsScale:(CGFloat)layerContentsScale API_AVAILABLE(macos(10.7));
- (nullable NSData *)TIFFRepresentationUsingCompression:(NSTIFFCompression)comp factor:(float)factor;
@property (class, readonly, copy) NSArray<NSString *> *imageTypes API_AVAILABLE(macos(10.5));
@property (class, readonly, copy) NSArray<NSString *> *imageUnfilteredTypes API_AVAILABLE(macos(10.5));
+ (BOOL)canInitWithData:(NSData *)data API_DEPRECATED("Use +imageUnfilteredTypes and NSImageRep instead", macos(10.0, 100000));
@property (nullable, readonly, copy) NSData *TIFFRepresentation;
- (BOOL)setName:(nullable NSImageName)string;
- (nullable NSImageName)name;
- (void)lockFocus;
- (void)unlockFocus;
- (void)drawAtPoint:(NSPoint)point
           fromRect:(NSRect)fromRect
          operation:(NSCompositingOperation)op
           fraction:(CGFloat)delta;
- (void)drawInRect:(NSRect)rect
          fromRect:(NSRect)fromRect
         operation:(NSCompositingOperation)op
          fraction:(CGFloat)delta;
- (void)drawInRect:(NSRect)rect API_AVAILABLE(macos(10.9));
- (nullable CGImageRef)CGImageForProposedRect:(nullable NSRect *)proposedDestRect
                                      context:(nullable id)referenceContext
                                        hints:(nullable NSDictionary *)hints API_AVAILABLE(macos(10.6))
    CF_RETURNS_NOT_RETAINED;

- (BOOL)drawRepresentation:(NSImageRep *)imageRep inRect:(NSRect)rect;
@end

@interface NSBundle (NSBundleImageExtension)
- (nullable NSImage *)imageForResource:(NSImageName)name API_AVAILABLE(macos(10.7));
@end

@interface NSImage (NSImageCompositing)
- (void)setScalesWhenResized:(BOOL)flag API_DEPRECATED("", macos(10.0, 10.6));
- (BOOL)scalesWhenResized API_DEPRECATED("", macos(10.0, 10.6));
- (void)compositeToPoint:(NSPoint)point operation:(NSCompositingOperation)op API_DEPRECATED("Use -drawAtPoint:... or -drawInRect:... methods instead", macos(10.0, 10.8));
- (void)compositeToPoint:(NSPoint)point fromRect:(NSRect)rect operation:(NSCompositingOperation)op fraction:(CGFloat)delta API_DEPRECATED("Use -drawAtPoint:... or -drawInRect:... methods instead", macos(10.0, 10.8));
- (void)dissolveToPoint:(NSPoint)point fraction:(CGFloat)aFloat API_DEPRECATED("Use -drawAtPoint:... or -drawInRect:... methods instead", macos(10.0, 10.8));
- (void)drawInRect:(NSRect)dstSpacePortionRect fromRect:(NSRect)srcSpacePortionRect operation:(NSCompositingOperation)op fraction:(CGFloat)requestedAlpha respectFlipped:(BOOL)respectContextIsFlipped hints:(nullable NSDictionary *)hints API_AVAILABLE(macos(10.6));
- (void)setFlipped:(BOOL)flag API_DEPRECATED("", macos(10.0, 10.6));
- (BOOL)isFlipped API_DEPRECATED("", macos(10.0, 10.6));
@end

NS_ASSUME_NONNULL_END
