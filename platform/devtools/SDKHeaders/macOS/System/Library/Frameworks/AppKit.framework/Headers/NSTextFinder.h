/* NSTextFinder.h: the find bar and incremental search of text views and other searchable content: the finder, its
   client and the container that shows the bar. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSView, NSOperationQueue;
@protocol NSTextFinderClient, NSTextFinderBarContainer;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSTextFinderAction) {
    NSTextFinderActionShowFindInterface = 1,
    NSTextFinderActionNextMatch = 2,
    NSTextFinderActionPreviousMatch = 3,
    NSTextFinderActionReplaceAll = 4,
    NSTextFinderActionReplace = 5,
    NSTextFinderActionReplaceAndFind = 6,
    NSTextFinderActionSetSearchString = 7,
    NSTextFinderActionReplaceAllInSelection = 8,
    NSTextFinderActionSelectAll = 9,
    NSTextFinderActionSelectAllInSelection = 10,
    NSTextFinderActionHideFindInterface = 11,
    NSTextFinderActionShowReplaceInterface = 12,
    NSTextFinderActionHideReplaceInterface = 13
} API_AVAILABLE(macos(10.7));

typedef NSString *NSPasteboardTypeTextFinderOptionKey NS_TYPED_ENUM;
APPKIT_EXTERN NSPasteboardTypeTextFinderOptionKey const NSTextFinderCaseInsensitiveKey API_AVAILABLE(macos(10.7));
APPKIT_EXTERN NSPasteboardTypeTextFinderOptionKey const NSTextFinderMatchingTypeKey API_AVAILABLE(macos(10.7));

typedef NS_ENUM(NSInteger, NSTextFinderMatchingType) {
    NSTextFinderMatchingTypeContains = 0,
    NSTextFinderMatchingTypeStartsWith = 1,
    NSTextFinderMatchingTypeFullWord = 2,
    NSTextFinderMatchingTypeEndsWith = 3
} API_AVAILABLE(macos(10.7));

API_AVAILABLE(macos(10.7))
@interface NSTextFinder : NSObject <NSCoding>
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nullable, weak) IBOutlet id<NSTextFinderClient> client;
- (void)performAction:(NSTextFinderAction)op;
- (BOOL)validateAction:(NSTextFinderAction)op;
@property (nullable, weak) IBOutlet id<NSTextFinderBarContainer> findBarContainer;
- (void)cancelFindIndicator;
@property BOOL findIndicatorNeedsUpdate;
@property (getter=isIncrementalSearchingEnabled) BOOL incrementalSearchingEnabled;
@property BOOL incrementalSearchingShouldDimContentView;
@property (readonly) NSArray<NSValue *> *incrementalMatchRanges;
+ (void)drawIncrementalMatchHighlightInRect:(NSRect)rect;
- (void)noteClientStringWillChange;
@end

@protocol NSTextFinderClient <NSObject>
@optional
@property (getter=isSelectable, readonly) BOOL selectable;
@property (readonly) BOOL allowsMultipleSelection;
@property (getter=isEditable, readonly) BOOL editable;
@property (readonly, copy) NSString *string;
- (NSString *)stringAtIndex:(NSUInteger)characterIndex
             effectiveRange:(NSRangePointer)outRange
     endsWithSearchBoundary:(BOOL *)outFlag;
- (NSUInteger)stringLength;
@property (readonly) NSRange firstSelectedRange;
@property (copy) NSArray<NSValue *> *selectedRanges;
- (void)scrollRangeToVisible:(NSRange)range;
- (BOOL)shouldReplaceCharactersInRanges:(NSArray<NSValue *> *)ranges withStrings:(NSArray<NSString *> *)strings;
- (void)replaceCharactersInRange:(NSRange)range withString:(NSString *)string;
- (void)didReplaceCharacters;
- (NSView *)contentViewAtIndex:(NSUInteger)index effectiveCharacterRange:(NSRangePointer)outRange;
- (nullable NSArray<NSValue *> *)rectsForCharacterRange:(NSRange)range;
@property (readonly, copy) NSArray<NSValue *> *visibleCharacterRanges;
- (void)drawCharactersInRange:(NSRange)range forContentView:(NSView *)view;
@end

@protocol NSTextFinderBarContainer <NSObject>
@required
@property (nullable, strong) NSView *findBarView;
@property (getter=isFindBarVisible) BOOL findBarVisible;
- (void)findBarViewDidChangeHeight;
@optional
- (nullable NSView *)contentView;
@end

NS_ASSUME_NONNULL_END
