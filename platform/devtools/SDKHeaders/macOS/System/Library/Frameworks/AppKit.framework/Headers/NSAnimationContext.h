/* NSAnimationContext.h: grouped animations of views and layers: duration, timing and completion. */
#import <Foundation/Foundation.h>
#import <QuartzCore/QuartzCore.h>
#import <AppKit/AppKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSAnimationContext : NSObject
#if defined(__BLOCKS__)
+ (void)runAnimationGroup:(void(NS_NOESCAPE ^)(NSAnimationContext *context))changes
        completionHandler:(nullable void (^)(void))completionHandler API_AVAILABLE(macos(10.7));
+ (void)runAnimationGroup:(void(NS_NOESCAPE ^)(NSAnimationContext *context))changes API_AVAILABLE(macos(10.12));
#endif
+ (void)beginGrouping;
+ (void)endGrouping;
@property (class, readonly, strong) NSAnimationContext *currentContext;
@property NSTimeInterval duration;
@property (nullable, strong) CAMediaTimingFunction *timingFunction API_AVAILABLE(macos(10.7));
#if defined(__BLOCKS__)
@property (nullable, copy) void (^completionHandler)(void) API_AVAILABLE(macos(10.7));
#endif
@property BOOL allowsImplicitAnimation API_AVAILABLE(macos(10.8));
@end

NS_ASSUME_NONNULL_END
