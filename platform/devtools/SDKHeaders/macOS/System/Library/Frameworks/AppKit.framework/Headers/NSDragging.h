/* NSDragging.h: dragging: the operations a drag offers, what a destination learns about it, sources and sessions. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSPasteboard.h>

NS_ASSUME_NONNULL_BEGIN

@class NSWindow, NSImage, NSView, NSEvent, NSDraggingItem, NSDraggingSession;

typedef NS_OPTIONS(NSUInteger, NSDragOperation) {
    NSDragOperationNone = 0,
    NSDragOperationCopy = 1,
    NSDragOperationLink = 2,
    NSDragOperationGeneric = 4,
    NSDragOperationPrivate = 8,
    NSDragOperationMove = 16,
    NSDragOperationDelete = 32,
    NSDragOperationEvery = NSUIntegerMax,
    NSDragOperationAll_Obsolete API_DEPRECATED("", macos(10.0, 10.10)) = 15,
    NSDragOperationAll API_DEPRECATED("", macos(10.0, 10.10)) = NSDragOperationAll_Obsolete,
};

typedef NS_ENUM(NSInteger, NSDraggingFormation) {
    NSDraggingFormationDefault = 0,
    NSDraggingFormationNone,
    NSDraggingFormationPile,
    NSDraggingFormationList,
    NSDraggingFormationStack
} API_AVAILABLE(macos(10.7));

typedef NS_ENUM(NSInteger, NSDraggingContext) {
    NSDraggingContextOutsideApplication = 0,
    NSDraggingContextWithinApplication
} API_AVAILABLE(macos(10.7));

typedef NS_OPTIONS(NSUInteger, NSDraggingItemEnumerationOptions) {
    NSDraggingItemEnumerationConcurrent = NSEnumerationConcurrent,
    NSDraggingItemEnumerationClearNonenumeratedImages = (1UL << 16),
} API_AVAILABLE(macos(10.7));

@protocol NSDraggingInfo <NSObject>
@required
@property (nullable, readonly, strong) NSWindow *draggingDestinationWindow;
@property (readonly) NSDragOperation draggingSourceOperationMask;
@property (readonly) NSPoint draggingLocation;
@property (readonly) NSPoint draggedImageLocation;
@property (nullable, readonly, strong) NSImage *draggedImage API_DEPRECATED("Use NSDraggingItem objects instead", macos(10.0, 10.14));
@property (readonly, strong) NSPasteboard *draggingPasteboard;
@property (nullable, readonly, strong) id draggingSource;
@property (readonly) NSInteger draggingSequenceNumber;
- (void)slideDraggedImageTo:(NSPoint)screenPoint;
@property NSDraggingFormation draggingFormation API_AVAILABLE(macos(10.7));
@property BOOL animatesToDestination API_AVAILABLE(macos(10.7));
@property NSInteger numberOfValidItemsForDrop API_AVAILABLE(macos(10.7));
- (void)enumerateDraggingItemsWithOptions:(NSDraggingItemEnumerationOptions)enumOpts forView:(nullable NSView *)view classes:(NSArray<Class> *)classArray searchOptions:(NSDictionary<NSPasteboardReadingOptionKey, id> *)searchOptions usingBlock:(void (^)(NSDraggingItem *draggingItem, NSInteger idx, BOOL *stop))block API_AVAILABLE(macos(10.7));
@end

@protocol NSDraggingDestination <NSObject>
@optional
- (NSDragOperation)draggingEntered:(id<NSDraggingInfo>)sender;
- (NSDragOperation)draggingUpdated:(id<NSDraggingInfo>)sender;
- (void)draggingExited:(nullable id<NSDraggingInfo>)sender;
- (BOOL)prepareForDragOperation:(id<NSDraggingInfo>)sender;
- (BOOL)performDragOperation:(id<NSDraggingInfo>)sender;
- (void)concludeDragOperation:(nullable id<NSDraggingInfo>)sender;
- (void)draggingEnded:(id<NSDraggingInfo>)sender;
- (BOOL)wantsPeriodicDraggingUpdates;
- (void)updateDraggingItemsForDrag:(nullable id<NSDraggingInfo>)sender API_AVAILABLE(macos(10.7));
@end

@protocol NSDraggingSource <NSObject>
@required
- (NSDragOperation)draggingSession:(NSDraggingSession *)session sourceOperationMaskForDraggingContext:(NSDraggingContext)context API_AVAILABLE(macos(10.7));
@optional
- (void)draggingSession:(NSDraggingSession *)session willBeginAtPoint:(NSPoint)screenPoint API_AVAILABLE(macos(10.7));
- (void)draggingSession:(NSDraggingSession *)session movedToPoint:(NSPoint)screenPoint API_AVAILABLE(macos(10.7));
- (void)draggingSession:(NSDraggingSession *)session endedAtPoint:(NSPoint)screenPoint operation:(NSDragOperation)operation API_AVAILABLE(macos(10.7));
- (BOOL)ignoreModifierKeysForDraggingSession:(NSDraggingSession *)session API_AVAILABLE(macos(10.7));
@end

@interface NSDraggingItem : NSObject
- (instancetype)initWithPasteboardWriter:(id<NSPasteboardWriting>)pasteboardWriter NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
@property (readonly, strong) id item;
@property NSRect draggingFrame;
- (void)setDraggingFrame:(NSRect)frame contents:(nullable id)contents;
@end

@interface NSDraggingSession : NSObject
@property NSDraggingFormation draggingFormation;
@property BOOL animatesToStartingPositionsOnCancelOrFail;
@property NSInteger draggingLeaderIndex;
@property (readonly) NSPasteboard *draggingPasteboard;
@property (readonly) NSInteger draggingSequenceNumber;
@property (readonly) NSPoint draggingLocation;
@end

NS_ASSUME_NONNULL_END
