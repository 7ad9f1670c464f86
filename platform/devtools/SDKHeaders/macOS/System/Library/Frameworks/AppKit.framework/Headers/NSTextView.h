/* NSTextView.h: the text view of the Cocoa text system: its container, layout manager and storage, and editing
   behaviour. Instances cannot be referenced weakly. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSText.h>

@class NSColor, NSTextContainer, NSLayoutManager, NSTextStorage;

NS_ASSUME_NONNULL_BEGIN

NS_AUTOMATED_REFCOUNT_WEAK_UNAVAILABLE
@interface NSTextView : NSText
- (instancetype)initWithFrame:(NSRect)frameRect textContainer:(nullable NSTextContainer *)container
    NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithFrame:(NSRect)frameRect;
@property (nullable, assign) NSTextContainer *textContainer;
@property (nullable, readonly, assign) NSLayoutManager *layoutManager;
@property (nullable, readonly, assign) NSTextStorage *textStorage;
@property NSSize textContainerInset;
@property BOOL allowsUndo;
@property BOOL usesFindBar API_AVAILABLE(macos(10.7));
@property (getter=isAutomaticQuoteSubstitutionEnabled) BOOL automaticQuoteSubstitutionEnabled API_AVAILABLE(macos(10.5));
@property (getter=isAutomaticSpellingCorrectionEnabled) BOOL automaticSpellingCorrectionEnabled API_AVAILABLE(macos(10.6));
@property (getter=isContinuousSpellCheckingEnabled) BOOL continuousSpellCheckingEnabled;
- (void)insertText:(id)string replacementRange:(NSRange)replacementRange;
- (void)drawInsertionPointInRect:(NSRect)rect color:(NSColor *)color turnedOn:(BOOL)flag;
@property (copy) NSColor *insertionPointColor;
@end

NS_ASSUME_NONNULL_END
