/* EKParticipant.h: an attendee or organiser of an event. */
#import <EventKit/EKObject.h>
#import <EventKit/EKTypes.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.8), ios(4.0))
@interface EKParticipant : EKObject <NSCopying>
@property (nonatomic, readonly) NSURL *URL;
@property (nonatomic, readonly, nullable) NSString *name;
@property (nonatomic, readonly) EKParticipantStatus participantStatus;
@property (nonatomic, readonly) EKParticipantRole participantRole;
@property (nonatomic, readonly) EKParticipantType participantType;
@property (nonatomic, readonly, getter=isCurrentUser) BOOL currentUser API_AVAILABLE(macos(10.8), ios(6.0));
@property (nonatomic, readonly) NSPredicate *contactPredicate API_AVAILABLE(macos(10.11), ios(9.0));
@end

NS_ASSUME_NONNULL_END
