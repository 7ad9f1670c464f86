/* NSHost.h: the names and addresses of a host on the network (macOS only). */
#import <Foundation/NSObject.h>

@class NSArray<ObjectType>, NSString;

NS_ASSUME_NONNULL_BEGIN

@interface NSHost : NSObject
+ (instancetype)currentHost;
+ (instancetype)hostWithName:(nullable NSString *)name;
+ (instancetype)hostWithAddress:(NSString *)address;
- (BOOL)isEqualToHost:(NSHost *)aHost;
@property (nullable, readonly, copy) NSString *name;
@property (readonly, copy) NSArray<NSString *> *names;
@property (nullable, readonly, copy) NSString *address;
@property (readonly, copy) NSArray<NSString *> *addresses;
@property (nullable, readonly, copy) NSString *localizedName API_AVAILABLE(macos(10.6));
+ (void)setHostCacheEnabled:(BOOL)flag API_DEPRECATED("caching no longer supported", macos(10.0, 10.7));
+ (BOOL)isHostCacheEnabled API_DEPRECATED("caching no longer supported", macos(10.0, 10.7));
+ (void)flushHostCache API_DEPRECATED("caching no longer supported", macos(10.0, 10.7));
@end

NS_ASSUME_NONNULL_END
