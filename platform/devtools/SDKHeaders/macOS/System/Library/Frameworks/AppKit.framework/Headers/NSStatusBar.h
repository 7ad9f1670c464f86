/* NSStatusBar.h: the system status bar, which holds the status items of the menu bar's right side. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

@class NSStatusItem;

#define NSVariableStatusItemLength (-1)
#define NSSquareStatusItemLength (-2)

@interface NSStatusBar : NSObject
@property (class, readonly, strong) NSStatusBar *systemStatusBar;
- (NSStatusItem *)statusItemWithLength:(CGFloat)length;
- (void)removeStatusItem:(NSStatusItem *)item;
@property (readonly, getter=isVertical) BOOL vertical;
@property (readonly) CGFloat thickness;
@end

NS_ASSUME_NONNULL_END
