/*
 * NSXPCConnection.h: connections between processes over XPC: the connection with its exported object and the proxy
 * of the remote one, the interfaces (protocols and the classes their arguments may hold), listeners and their
 * endpoints, and the coder that carries the messages.
 */
#import <Foundation/NSCoder.h>
#import <Foundation/NSObject.h>
#include <bsm/audit.h>
#include <dispatch/dispatch.h>
#include <xpc/xpc.h>

@class NSMutableDictionary, NSString, NSOperationQueue, NSSet<ObjectType>, NSLock, NSError;
@class NSXPCListenerEndpoint, NSXPCInterface;
@protocol NSXPCListenerDelegate;

NS_ASSUME_NONNULL_BEGIN

@protocol NSXPCProxyCreating
- (id)remoteObjectProxy;
- (id)remoteObjectProxyWithErrorHandler:(void (^)(NSError *error))handler;
@optional
- (id)synchronousRemoteObjectProxyWithErrorHandler:(void (^)(NSError *error))handler
    API_AVAILABLE(macos(10.11), ios(9.0));
@end

typedef NS_OPTIONS(NSUInteger, NSXPCConnectionOptions) {
    NSXPCConnectionPrivileged = (1 << 12UL),
} API_AVAILABLE(macos(10.8), ios(6.0));

API_AVAILABLE(macos(10.8), ios(6.0))
@interface NSXPCConnection : NSObject <NSXPCProxyCreating>
- (instancetype)initWithServiceName:(NSString *)serviceName API_UNAVAILABLE(ios, watchos, tvos);
@property (nullable, readonly, copy) NSString *serviceName;
- (instancetype)initWithMachServiceName:(NSString *)name options:(NSXPCConnectionOptions)options
    API_UNAVAILABLE(ios, watchos, tvos);
- (instancetype)initWithListenerEndpoint:(NSXPCListenerEndpoint *)endpoint;
@property (readonly, retain) NSXPCListenerEndpoint *endpoint;
@property (nullable, retain) NSXPCInterface *exportedInterface;
@property (nullable, retain) id exportedObject;
@property (nullable, retain) NSXPCInterface *remoteObjectInterface;
@property (readonly, retain) id remoteObjectProxy;
- (id)remoteObjectProxyWithErrorHandler:(void (^)(NSError *error))handler;
- (id)synchronousRemoteObjectProxyWithErrorHandler:(void (^)(NSError *error))handler
    API_AVAILABLE(macos(10.11), ios(9.0));
@property (nullable, copy) void (^interruptionHandler)(void);
@property (nullable, copy) void (^invalidationHandler)(void);
- (void)resume;
- (void)suspend;
- (void)activate API_AVAILABLE(macos(13.0), ios(16.0));
- (void)invalidate;
@property (readonly) au_asid_t auditSessionIdentifier;
@property (readonly) pid_t processIdentifier;
@property (readonly) uid_t effectiveUserIdentifier;
@property (readonly) gid_t effectiveGroupIdentifier;
+ (nullable NSXPCConnection *)currentConnection API_AVAILABLE(macos(10.8), ios(6.0));
- (void)scheduleSendBarrierBlock:(void (^)(void))block API_AVAILABLE(macos(10.15), ios(13.0));
- (void)setCodeSigningRequirement:(NSString *)requirement API_AVAILABLE(macos(13.0), ios(16.0));
@end

API_AVAILABLE(macos(10.8), ios(6.0))
@interface NSXPCListener : NSObject
+ (NSXPCListener *)serviceListener;
+ (NSXPCListener *)anonymousListener;
- (instancetype)initWithMachServiceName:(NSString *)name NS_DESIGNATED_INITIALIZER API_UNAVAILABLE(ios, watchos, tvos);
@property (nullable, weak) id<NSXPCListenerDelegate> delegate;
@property (readonly, retain) NSXPCListenerEndpoint *endpoint;
- (void)resume;
- (void)suspend;
- (void)activate API_AVAILABLE(macos(13.0), ios(16.0));
- (void)invalidate;
- (void)setConnectionCodeSigningRequirement:(NSString *)requirement API_AVAILABLE(macos(13.0), ios(16.0));
@end

@protocol NSXPCListenerDelegate <NSObject>
@optional
- (BOOL)listener:(NSXPCListener *)listener shouldAcceptNewConnection:(NSXPCConnection *)newConnection;
@end

API_AVAILABLE(macos(10.8), ios(6.0))
@interface NSXPCInterface : NSObject
+ (NSXPCInterface *)interfaceWithProtocol:(Protocol *)protocol;
@property (assign) Protocol *protocol;
- (void)setClasses:(NSSet<Class> *)classes forSelector:(SEL)sel argumentIndex:(NSUInteger)arg ofReply:(BOOL)ofReply;
- (NSSet<Class> *)classesForSelector:(SEL)sel argumentIndex:(NSUInteger)arg ofReply:(BOOL)ofReply;
- (void)setInterface:(NSXPCInterface *)ifc forSelector:(SEL)sel argumentIndex:(NSUInteger)arg ofReply:(BOOL)ofReply;
- (nullable NSXPCInterface *)interfaceForSelector:(SEL)sel argumentIndex:(NSUInteger)arg ofReply:(BOOL)ofReply;
- (void)setXPCType:(xpc_type_t)type forSelector:(SEL)sel argumentIndex:(NSUInteger)arg ofReply:(BOOL)ofReply
    API_AVAILABLE(macos(10.15), ios(13.0));
- (nullable xpc_type_t)XPCTypeForSelector:(SEL)sel argumentIndex:(NSUInteger)arg ofReply:(BOOL)ofReply
    API_AVAILABLE(macos(10.15), ios(13.0));
@end

API_AVAILABLE(macos(10.8), ios(6.0))
@interface NSXPCListenerEndpoint : NSObject <NSSecureCoding>
@end

API_AVAILABLE(macos(10.8), ios(6.0))
@interface NSXPCCoder : NSCoder
- (void)encodeXPCObject:(xpc_object_t)xpcObject forKey:(NSString *)key;
- (nullable xpc_object_t)decodeXPCObjectOfType:(xpc_type_t)type forKey:(NSString *)key
    API_AVAILABLE(macos(10.15), ios(13.0));
@property (nullable, retain) id<NSObject> userInfo;
@property (nullable, readonly, strong) NSXPCConnection *connection API_AVAILABLE(macos(10.13), ios(11.0));
@end

NS_ASSUME_NONNULL_END
