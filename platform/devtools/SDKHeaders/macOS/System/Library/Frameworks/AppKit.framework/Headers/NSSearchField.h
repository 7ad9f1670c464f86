/* NSSearchField.h: search fields: text fields with search and cancel buttons and recent searches. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSTextField.h>

NS_ASSUME_NONNULL_BEGIN

@protocol NSSearchFieldDelegate;

@interface NSSearchField : NSTextField
@property (copy) NSArray<NSString *> *recentSearches;
@property (nullable, copy) NSString *recentsAutosaveName;
@property BOOL sendsWholeSearchString API_AVAILABLE(macos(10.10));
@property NSInteger maximumRecents API_AVAILABLE(macos(10.10));
@property BOOL sendsSearchStringImmediately API_AVAILABLE(macos(10.10));
/* The delegate of a subclass adopts a protocol of its own. */
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wincompatible-property-type"
@property (nullable, weak) id<NSSearchFieldDelegate> delegate API_AVAILABLE(macos(10.11));
#pragma clang diagnostic pop
@property (readonly) NSRect searchTextBounds API_AVAILABLE(macos(11.0));
@end

@protocol NSSearchFieldDelegate <NSTextFieldDelegate>
@optional
- (void)searchFieldDidStartSearching:(NSSearchField *)sender API_AVAILABLE(macos(10.11));
- (void)searchFieldDidEndSearching:(NSSearchField *)sender API_AVAILABLE(macos(10.11));
@end

NS_ASSUME_NONNULL_END
