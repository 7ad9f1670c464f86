/* NSTabViewItem.h: the items of a tab view: a label and a view. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>

NS_ASSUME_NONNULL_BEGIN

@class NSTabView, NSColor, NSImage, NSViewController;

typedef NS_ENUM(NSUInteger, NSTabState) {
    NSSelectedTab = 0,
    NSBackgroundTab = 1,
    NSPressedTab = 2
};

@interface NSTabViewItem : NSObject <NSCoding>
+ (instancetype)tabViewItemWithViewController:(NSViewController *)viewController API_AVAILABLE(macos(10.10));
- (instancetype)initWithIdentifier:(nullable id)identifier;
@property (nullable, strong) id identifier;
@property (nullable, strong) id view;
@property (nullable, strong) NSViewController *viewController API_AVAILABLE(macos(10.10));
@property (copy) NSString *label;
@property (copy) NSColor *color;
@property (readonly) NSTabState tabState;
@property (nullable, readonly, weak) NSTabView *tabView;
@property (nullable, weak) NSView *initialFirstResponder;
@property (nullable, copy) NSString *toolTip;
@property (nullable, strong) NSImage *image API_AVAILABLE(macos(10.10));
@end

NS_ASSUME_NONNULL_END
