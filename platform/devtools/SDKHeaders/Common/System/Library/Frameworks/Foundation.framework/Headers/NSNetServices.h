/*
 * NSNetServices.h: Bonjour services: publishing a service, browsing for services of a type or for domains, and
 * resolving a service's addresses and TXT record.
 */
#import <Foundation/NSObject.h>
#import <Foundation/NSError.h>
#import <Foundation/NSRunLoop.h>

@class NSArray<ObjectType>, NSData, NSDictionary<KeyType, ObjectType>, NSInputStream, NSNumber, NSOutputStream,
    NSString;
@protocol NSNetServiceDelegate, NSNetServiceBrowserDelegate;

NS_ASSUME_NONNULL_BEGIN

#define NS_NETSERVICES_DEPRECATED API_DEPRECATED("use nw_connection_t in Network framework instead", \
                                                 macos(10.2, 12.0), ios(2.0, 15.0), watchos(2.0, 8.0), tvos(9.0, 15.0))

FOUNDATION_EXPORT NSString *const NSNetServicesErrorCode NS_NETSERVICES_DEPRECATED;
FOUNDATION_EXPORT NSErrorDomain const NSNetServicesErrorDomain NS_NETSERVICES_DEPRECATED;

typedef NS_ENUM(NSInteger, NSNetServicesError) {
    NSNetServicesUnknownError = -72000L,
    NSNetServicesCollisionError = -72001L,
    NSNetServicesNotFoundError = -72002L,
    NSNetServicesActivityInProgress = -72003L,
    NSNetServicesBadArgumentError = -72004L,
    NSNetServicesCancelledError = -72005L,
    NSNetServicesInvalidError = -72006L,
    NSNetServicesTimeoutError = -72007L,
    NSNetServicesMissingRequiredConfigurationError API_AVAILABLE(macos(11.0), ios(14.0)) = -72008L,
} NS_NETSERVICES_DEPRECATED;

typedef NS_OPTIONS(NSUInteger, NSNetServiceOptions) {
    NSNetServiceNoAutoRename = 1UL << 0,
    NSNetServiceListenForConnections API_AVAILABLE(macos(10.9), ios(7.0)) = 1UL << 1
} NS_NETSERVICES_DEPRECATED;

NS_NETSERVICES_DEPRECATED
@interface NSNetService : NSObject
- (instancetype)initWithDomain:(NSString *)domain
                          type:(NSString *)type
                          name:(NSString *)name
                          port:(int)port NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithDomain:(NSString *)domain type:(NSString *)type name:(NSString *)name;
- (void)scheduleInRunLoop:(NSRunLoop *)aRunLoop forMode:(NSRunLoopMode)mode;
- (void)removeFromRunLoop:(NSRunLoop *)aRunLoop forMode:(NSRunLoopMode)mode;
@property (nullable, assign) id<NSNetServiceDelegate> delegate;
@property BOOL includesPeerToPeer API_AVAILABLE(macos(10.10), ios(7.0));
@property (readonly, copy) NSString *name;
@property (readonly, copy) NSString *type;
@property (readonly, copy) NSString *domain;
@property (nullable, readonly, copy) NSString *hostName;
@property (nullable, readonly, copy) NSArray<NSData *> *addresses;
@property (readonly) NSInteger port API_AVAILABLE(macos(10.5), ios(2.0));
- (void)publish;
- (void)publishWithOptions:(NSNetServiceOptions)options API_AVAILABLE(macos(10.5), ios(2.0));
- (void)resolve API_DEPRECATED("use resolveWithTimeout:", macos(10.2, 10.4), ios(2.0, 2.0));
- (void)stop;
+ (NSDictionary<NSString *, NSData *> *)dictionaryFromTXTRecordData:(NSData *)txtData;
+ (NSData *)dataFromTXTRecordDictionary:(NSDictionary<NSString *, NSData *> *)txtDictionary;
- (void)resolveWithTimeout:(NSTimeInterval)timeout;
- (BOOL)getInputStream:(out __strong NSInputStream *_Nullable *_Nullable)inputStream
          outputStream:(out __strong NSOutputStream *_Nullable *_Nullable)outputStream;
- (BOOL)setTXTRecordData:(nullable NSData *)recordData;
- (nullable NSData *)TXTRecordData;
- (void)startMonitoring;
- (void)stopMonitoring;
@end

NS_NETSERVICES_DEPRECATED
@interface NSNetServiceBrowser : NSObject
- (instancetype)init;
@property (nullable, assign) id<NSNetServiceBrowserDelegate> delegate;
@property BOOL includesPeerToPeer API_AVAILABLE(macos(10.10), ios(7.0));
- (void)scheduleInRunLoop:(NSRunLoop *)aRunLoop forMode:(NSRunLoopMode)mode;
- (void)removeFromRunLoop:(NSRunLoop *)aRunLoop forMode:(NSRunLoopMode)mode;
- (void)searchForBrowsableDomains;
- (void)searchForRegistrationDomains;
- (void)searchForServicesOfType:(NSString *)type inDomain:(NSString *)domainString;
- (void)stop;
@end

NS_NETSERVICES_DEPRECATED
@protocol NSNetServiceDelegate <NSObject>
@optional
- (void)netServiceWillPublish:(NSNetService *)sender;
- (void)netServiceDidPublish:(NSNetService *)sender;
- (void)netService:(NSNetService *)sender didNotPublish:(NSDictionary<NSString *, NSNumber *> *)errorDict;
- (void)netServiceWillResolve:(NSNetService *)sender;
- (void)netServiceDidResolveAddress:(NSNetService *)sender;
- (void)netService:(NSNetService *)sender didNotResolve:(NSDictionary<NSString *, NSNumber *> *)errorDict;
- (void)netServiceDidStop:(NSNetService *)sender;
- (void)netService:(NSNetService *)sender didUpdateTXTRecordData:(NSData *)data;
- (void)netService:(NSNetService *)sender
    didAcceptConnectionWithInputStream:(NSInputStream *)inputStream
                          outputStream:(NSOutputStream *)outputStream API_AVAILABLE(macos(10.9), ios(7.0));
@end

NS_NETSERVICES_DEPRECATED
@protocol NSNetServiceBrowserDelegate <NSObject>
@optional
- (void)netServiceBrowserWillSearch:(NSNetServiceBrowser *)browser;
- (void)netServiceBrowserDidStopSearch:(NSNetServiceBrowser *)browser;
- (void)netServiceBrowser:(NSNetServiceBrowser *)browser
             didNotSearch:(NSDictionary<NSString *, NSNumber *> *)errorDict;
- (void)netServiceBrowser:(NSNetServiceBrowser *)browser
            didFindDomain:(NSString *)domainString
               moreComing:(BOOL)moreComing;
- (void)netServiceBrowser:(NSNetServiceBrowser *)browser
           didFindService:(NSNetService *)service
               moreComing:(BOOL)moreComing;
- (void)netServiceBrowser:(NSNetServiceBrowser *)browser
          didRemoveDomain:(NSString *)domainString
               moreComing:(BOOL)moreComing;
- (void)netServiceBrowser:(NSNetServiceBrowser *)browser
         didRemoveService:(NSNetService *)service
               moreComing:(BOOL)moreComing;
@end

NS_ASSUME_NONNULL_END
