/* NSTextStorage.h (UIKit): the attributed string that TextKit lays out, which tells its layout managers of edits. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

@class NSLayoutManager;
@protocol NSTextStorageDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSTextStorageEditActions) {
    NSTextStorageEditedAttributes = (1 << 0),
    NSTextStorageEditedCharacters = (1 << 1)
} API_AVAILABLE(ios(7.0));

API_AVAILABLE(ios(7.0))
@interface NSTextStorage : NSMutableAttributedString <NSSecureCoding>
@property (readonly, copy) NSArray<NSLayoutManager *> *layoutManagers;
- (void)addLayoutManager:(NSLayoutManager *)aLayoutManager;
- (void)removeLayoutManager:(NSLayoutManager *)aLayoutManager;
@property (readonly, NS_NONATOMIC_IOSONLY) NSTextStorageEditActions editedMask;
@property (readonly, NS_NONATOMIC_IOSONLY) NSRange editedRange;
@property (readonly, NS_NONATOMIC_IOSONLY) NSInteger changeInLength;
@property (nullable, weak, NS_NONATOMIC_IOSONLY) id<NSTextStorageDelegate> delegate;
- (void)edited:(NSTextStorageEditActions)editedMask range:(NSRange)editedRange changeInLength:(NSInteger)delta;
- (void)processEditing;
@property (readonly, NS_NONATOMIC_IOSONLY) BOOL fixesAttributesLazily;
- (void)invalidateAttributesInRange:(NSRange)range;
- (void)ensureAttributesAreFixedInRange:(NSRange)range;
@end

@protocol NSTextStorageDelegate <NSObject>
@optional
- (void)textStorage:(NSTextStorage *)textStorage
    willProcessEditing:(NSTextStorageEditActions)editedMask
                 range:(NSRange)editedRange
        changeInLength:(NSInteger)delta API_AVAILABLE(ios(7.0));
- (void)textStorage:(NSTextStorage *)textStorage
    didProcessEditing:(NSTextStorageEditActions)editedMask
                range:(NSRange)editedRange
       changeInLength:(NSInteger)delta API_AVAILABLE(ios(7.0));
@end

UIKIT_EXTERN NSNotificationName const NSTextStorageWillProcessEditingNotification API_AVAILABLE(ios(7.0));
UIKIT_EXTERN NSNotificationName const NSTextStorageDidProcessEditingNotification API_AVAILABLE(ios(7.0));

NS_ASSUME_NONNULL_END
