/* NSTextStorage.h: the attributed string of the text system, which notifies its layout managers of edits. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSLayoutManager;
@protocol NSTextStorageDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSTextStorageEditActions) {
    NSTextStorageEditedAttributes = (1 << 0),
    NSTextStorageEditedCharacters = (1 << 1)
} API_AVAILABLE(macos(10.11));

@interface NSTextStorage : NSMutableAttributedString
@property (readonly, copy) NSArray<NSLayoutManager *> *layoutManagers;
- (void)addLayoutManager:(NSLayoutManager *)aLayoutManager;
- (void)removeLayoutManager:(NSLayoutManager *)aLayoutManager;
@property (readonly) NSTextStorageEditActions editedMask;
@property (readonly) NSRange editedRange;
@property (readonly) NSInteger changeInLength;
@property (nullable, weak) id<NSTextStorageDelegate> delegate;
- (void)edited:(NSTextStorageEditActions)editedMask range:(NSRange)editedRange changeInLength:(NSInteger)delta;
- (void)processEditing;
- (void)ensureAttributesAreFixedInRange:(NSRange)range;
@property (readonly) BOOL fixesAttributesLazily;
@end

@protocol NSTextStorageDelegate <NSObject>
@optional
- (void)textStorage:(NSTextStorage *)textStorage
    willProcessEditing:(NSTextStorageEditActions)editedMask
                 range:(NSRange)editedRange
        changeInLength:(NSInteger)delta API_AVAILABLE(macos(10.11));
- (void)textStorage:(NSTextStorage *)textStorage
    didProcessEditing:(NSTextStorageEditActions)editedMask
                range:(NSRange)editedRange
       changeInLength:(NSInteger)delta API_AVAILABLE(macos(10.11));
@end

APPKIT_EXTERN NSNotificationName NSTextStorageWillProcessEditingNotification;
APPKIT_EXTERN NSNotificationName NSTextStorageDidProcessEditingNotification;

NS_ASSUME_NONNULL_END
