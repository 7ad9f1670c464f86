/* WebArchive.h: web archives and resources, the history and back-forward list of legacy web views. */
#import <Foundation/Foundation.h>

@class NSImage;

NS_ASSUME_NONNULL_BEGIN

extern NSString *WebArchivePboardType;

@interface WebResource : NSObject <NSCoding, NSCopying>
- (nullable instancetype)initWithData:(NSData *)data URL:(NSURL *)URL MIMEType:(NSString *)MIMEType textEncodingName:(nullable NSString *)textEncodingName frameName:(nullable NSString *)frameName;
@property (readonly, copy) NSData *data;
@property (readonly, strong) NSURL *URL;
@property (readonly, copy) NSString *MIMEType;
@property (nullable, readonly, copy) NSString *textEncodingName;
@property (nullable, readonly, copy) NSString *frameName;
@end

@interface WebArchive : NSObject <NSCoding, NSCopying>
- (instancetype)initWithMainResource:(WebResource *)mainResource subresources:(nullable NSArray<WebResource *> *)subresources subframeArchives:(nullable NSArray<WebArchive *> *)subframeArchives;
- (instancetype)initWithData:(NSData *)data;
@property (nullable, readonly, strong) WebResource *mainResource;
@property (nullable, readonly, copy) NSArray<WebResource *> *subresources;
@property (nullable, readonly, copy) NSArray<WebArchive *> *subframeArchives;
@property (readonly, copy) NSData *data;
@end

@interface WebHistoryItem : NSObject <NSCopying>
- (instancetype)initWithURLString:(NSString *)URLString title:(nullable NSString *)title lastVisitedTimeInterval:(NSTimeInterval)time;
@property (nullable, readonly, copy) NSString *originalURLString;
@property (nullable, readonly, copy) NSString *URLString;
@property (nullable, readonly, copy) NSString *title;
@property (readonly) NSTimeInterval lastVisitedTimeInterval;
@property (nullable, copy) NSString *alternateTitle;
@end

@interface WebBackForwardList : NSObject
- (void)addItem:(WebHistoryItem *)item;
- (void)goBack;
- (void)goForward;
- (void)goToItem:(WebHistoryItem *)item;
@property (nullable, readonly, strong) WebHistoryItem *backItem;
@property (nullable, readonly, strong) WebHistoryItem *currentItem;
@property (nullable, readonly, strong) WebHistoryItem *forwardItem;
- (NSArray<WebHistoryItem *> *)backListWithLimit:(int)limit;
- (NSArray<WebHistoryItem *> *)forwardListWithLimit:(int)limit;
@property int capacity;
@property (readonly) int backListCount;
@property (readonly) int forwardListCount;
- (BOOL)containsItem:(WebHistoryItem *)item;
- (nullable WebHistoryItem *)itemAtIndex:(int)index;
@end

NS_ASSUME_NONNULL_END
