/* NSAppleEventManager.h: the handlers an application registers for Apple events, and the event being handled. */
#import <Foundation/NSObject.h>
#import <Foundation/NSNotification.h>
#include <CoreServices/CoreServices.h>

@class NSAppleEventDescriptor;

NS_ASSUME_NONNULL_BEGIN

typedef const struct __NSAppleEventManagerSuspension *NSAppleEventManagerSuspensionID;

FOUNDATION_EXPORT const double NSAppleEventTimeOutDefault;
FOUNDATION_EXPORT const double NSAppleEventTimeOutNone;
FOUNDATION_EXPORT NSNotificationName const NSAppleEventManagerWillProcessFirstEventNotification;

@interface NSAppleEventManager : NSObject
+ (NSAppleEventManager *)sharedAppleEventManager;
- (void)setEventHandler:(id)handler
            andSelector:(SEL)handleEventSelector
          forEventClass:(AEEventClass)eventClass
             andEventID:(AEEventID)eventID;
- (void)removeEventHandlerForEventClass:(AEEventClass)eventClass andEventID:(AEEventID)eventID;
- (OSErr)dispatchRawAppleEvent:(const AppleEvent *)theAppleEvent
                  withRawReply:(AppleEvent *)theReply
                 handlerRefCon:(SRefCon)handlerRefCon;
@property (nullable, readonly, retain) NSAppleEventDescriptor *currentAppleEvent;
@property (nullable, readonly, retain) NSAppleEventDescriptor *currentReplyAppleEvent;
- (nullable NSAppleEventManagerSuspensionID)suspendCurrentAppleEvent NS_RETURNS_INNER_POINTER;
- (NSAppleEventDescriptor *)appleEventForSuspensionID:(NSAppleEventManagerSuspensionID)suspensionID;
- (NSAppleEventDescriptor *)replyAppleEventForSuspensionID:(NSAppleEventManagerSuspensionID)suspensionID;
- (void)setCurrentAppleEventAndReplyEventWithSuspensionID:(NSAppleEventManagerSuspensionID)suspensionID;
- (void)resumeWithSuspensionID:(NSAppleEventManagerSuspensionID)suspensionID;
@end

NS_ASSUME_NONNULL_END
