/* WKBackForwardList.h: a web view's history of visited pages and its items. */
#import <WebKit/WKFoundation.h>

NS_ASSUME_NONNULL_BEGIN

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
@interface WKBackForwardListItem : NSObject
- (instancetype)init NS_UNAVAILABLE;
@property (readonly, copy) NSURL *URL;
@property (nullable, readonly, copy) NSString *title;
@property (readonly, copy) NSURL *initialURL;
@end

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
@interface WKBackForwardList : NSObject
@property (nullable, nonatomic, readonly, strong) WKBackForwardListItem *currentItem;
@property (nullable, nonatomic, readonly, strong) WKBackForwardListItem *backItem;
@property (nullable, nonatomic, readonly, strong) WKBackForwardListItem *forwardItem;
- (nullable WKBackForwardListItem *)itemAtIndex:(NSInteger)index;
@property (nonatomic, readonly, copy) NSArray<WKBackForwardListItem *> *backList;
@property (nonatomic, readonly, copy) NSArray<WKBackForwardListItem *> *forwardList;
@end

NS_ASSUME_NONNULL_END
