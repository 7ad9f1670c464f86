/* NSNotification.h: notifications and the notification centre that posts them to observers. */
#import <Foundation/NSObject.h>

@class NSString, NSDictionary<KeyType, ObjectType>, NSOperationQueue;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSNotificationName NS_TYPED_EXTENSIBLE_ENUM;

@interface NSNotification : NSObject <NSCopying, NSCoding>

@property (readonly, copy) NSNotificationName name;
@property (nullable, readonly, retain) id object;
@property (nullable, readonly, copy) NSDictionary *userInfo;

- (instancetype)initWithName:(NSNotificationName)name
                      object:(nullable id)object
                    userInfo:(nullable NSDictionary *)userInfo
    API_AVAILABLE(macos(10.6), ios(4.0)) NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;

@end

@interface NSNotification (NSNotificationCreation)
+ (instancetype)notificationWithName:(NSNotificationName)aName object:(nullable id)anObject;
+ (instancetype)notificationWithName:(NSNotificationName)aName
                              object:(nullable id)anObject
                            userInfo:(nullable NSDictionary *)aUserInfo;
- (instancetype)init API_UNAVAILABLE(macos, ios);
@end

@interface NSNotificationCenter : NSObject

@property (class, readonly, strong) NSNotificationCenter *defaultCenter;

/* The observer is not retained: it must be removed before it is deallocated (before macOS 10.11, iOS 9). */
- (void)addObserver:(id)observer
           selector:(SEL)aSelector
               name:(nullable NSNotificationName)aName
             object:(nullable id)anObject;
- (void)postNotification:(NSNotification *)notification;
- (void)postNotificationName:(NSNotificationName)aName object:(nullable id)anObject;
- (void)postNotificationName:(NSNotificationName)aName
                      object:(nullable id)anObject
                    userInfo:(nullable NSDictionary *)aUserInfo;
- (void)removeObserver:(id)observer;
- (void)removeObserver:(id)observer name:(nullable NSNotificationName)aName object:(nullable id)anObject;
#if defined(__BLOCKS__)
/* The returned object is the observer: the centre keeps it until it is removed. */
- (id<NSObject>)addObserverForName:(nullable NSNotificationName)name
                            object:(nullable id)obj
                             queue:(nullable NSOperationQueue *)queue
                        usingBlock:(void (^)(NSNotification *notification))block API_AVAILABLE(macos(10.6), ios(4.0));
#endif

@end

NS_ASSUME_NONNULL_END
