/* WKWindowFeatures.h: the window features a page asks for when it opens a new window. */
#import <WebKit/WKFoundation.h>

NS_ASSUME_NONNULL_BEGIN

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
@interface WKWindowFeatures : NSObject
@property (nullable, nonatomic, readonly) NSNumber *menuBarVisibility;
@property (nullable, nonatomic, readonly) NSNumber *statusBarVisibility;
@property (nullable, nonatomic, readonly) NSNumber *toolbarsVisibility;
@property (nullable, nonatomic, readonly) NSNumber *allowsResizing;
@property (nullable, nonatomic, readonly) NSNumber *x;
@property (nullable, nonatomic, readonly) NSNumber *y;
@property (nullable, nonatomic, readonly) NSNumber *width;
@property (nullable, nonatomic, readonly) NSNumber *height;
@end

NS_ASSUME_NONNULL_END
