/* NSTextContainer.h: the region that a layout manager lays text out into. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSControl.h>

@class NSLayoutManager, NSTextView, NSBezierPath;

NS_ASSUME_NONNULL_BEGIN

@interface NSTextContainer : NSObject <NSSecureCoding>
- (instancetype)initWithSize:(NSSize)size NS_DESIGNATED_INITIALIZER API_AVAILABLE(macos(10.11));
- (instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithContainerSize:(NSSize)aContainerSize;
@property (nullable, assign) NSLayoutManager *layoutManager;
@property (nullable, weak) NSTextView *textView;
@property NSSize size API_AVAILABLE(macos(10.11));
@property NSSize containerSize;
@property BOOL widthTracksTextView;
@property BOOL heightTracksTextView;
@property CGFloat lineFragmentPadding;
@property NSUInteger maximumNumberOfLines API_AVAILABLE(macos(10.11));
@property NSLineBreakMode lineBreakMode API_AVAILABLE(macos(10.11));
@property (copy) NSArray<NSBezierPath *> *exclusionPaths API_AVAILABLE(macos(10.11));
@end

NS_ASSUME_NONNULL_END
