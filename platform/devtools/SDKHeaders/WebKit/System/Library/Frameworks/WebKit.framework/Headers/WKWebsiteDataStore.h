/* WKWebsiteDataStore.h: the data websites store (cookies, caches, local storage), its records and removal, and the
   cookie store. */
#import <WebKit/WKFoundation.h>

@class WKWebsiteDataRecord, WKHTTPCookieStore, NSHTTPCookie;

NS_ASSUME_NONNULL_BEGIN

WK_EXTERN NSString *const WKWebsiteDataTypeFetchCache API_AVAILABLE(macos(10.13.4), ios(11.3));
WK_EXTERN NSString *const WKWebsiteDataTypeDiskCache API_AVAILABLE(macos(10.11), ios(9.0));
WK_EXTERN NSString *const WKWebsiteDataTypeMemoryCache API_AVAILABLE(macos(10.11), ios(9.0));
WK_EXTERN NSString *const WKWebsiteDataTypeOfflineWebApplicationCache API_AVAILABLE(macos(10.11), ios(9.0));
WK_EXTERN NSString *const WKWebsiteDataTypeCookies API_AVAILABLE(macos(10.11), ios(9.0));
WK_EXTERN NSString *const WKWebsiteDataTypeSessionStorage API_AVAILABLE(macos(10.11), ios(9.0));
WK_EXTERN NSString *const WKWebsiteDataTypeLocalStorage API_AVAILABLE(macos(10.11), ios(9.0));
WK_EXTERN NSString *const WKWebsiteDataTypeWebSQLDatabases API_AVAILABLE(macos(10.11), ios(9.0));
WK_EXTERN NSString *const WKWebsiteDataTypeIndexedDBDatabases API_AVAILABLE(macos(10.11), ios(9.0));
WK_EXTERN NSString *const WKWebsiteDataTypeServiceWorkerRegistrations API_AVAILABLE(macos(10.13.4), ios(11.3));

WK_CLASS_AVAILABLE(macos(10.11), ios(9.0))
@interface WKWebsiteDataRecord : NSObject
@property (nonatomic, readonly, copy) NSString *displayName;
@property (nonatomic, readonly, copy) NSSet<NSString *> *dataTypes;
@end

WK_CLASS_AVAILABLE(macos(10.13), ios(11.0))
@interface WKHTTPCookieStore : NSObject
- (instancetype)init NS_UNAVAILABLE;
- (void)getAllCookies:(void (^)(NSArray<NSHTTPCookie *> *))completionHandler;
- (void)setCookie:(NSHTTPCookie *)cookie completionHandler:(nullable void (^)(void))completionHandler;
- (void)deleteCookie:(NSHTTPCookie *)cookie completionHandler:(nullable void (^)(void))completionHandler;
@end

WK_CLASS_AVAILABLE(macos(10.11), ios(9.0))
@interface WKWebsiteDataStore : NSObject <NSSecureCoding>
+ (WKWebsiteDataStore *)defaultDataStore;
+ (WKWebsiteDataStore *)nonPersistentDataStore;
- (instancetype)init NS_UNAVAILABLE;
@property (nonatomic, readonly, getter=isPersistent) BOOL persistent;
+ (NSSet<NSString *> *)allWebsiteDataTypes;
- (void)fetchDataRecordsOfTypes:(NSSet<NSString *> *)dataTypes
              completionHandler:(void (^)(NSArray<WKWebsiteDataRecord *> *))completionHandler;
- (void)removeDataOfTypes:(NSSet<NSString *> *)dataTypes
           forDataRecords:(NSArray<WKWebsiteDataRecord *> *)dataRecords
        completionHandler:(void (^)(void))completionHandler;
- (void)removeDataOfTypes:(NSSet<NSString *> *)dataTypes
            modifiedSince:(NSDate *)date
        completionHandler:(void (^)(void))completionHandler;
@property (nonatomic, readonly) WKHTTPCookieStore *httpCookieStore API_AVAILABLE(macos(10.13), ios(11.0));
@end

NS_ASSUME_NONNULL_END
