/* EventKit.h: the user's calendars and reminders; here the entity types and the event store. */
#import <EventKit/EKTypes.h>
#import <EventKit/EKEventStore.h>
