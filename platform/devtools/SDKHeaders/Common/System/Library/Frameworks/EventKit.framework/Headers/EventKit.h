/* EventKit.h: the user's calendars and reminders: the event store, calendars, events, reminders and alarms. */
#import <EventKit/EKTypes.h>
#import <EventKit/EKObject.h>
#import <EventKit/EKSource.h>
#import <EventKit/EKCalendar.h>
#import <EventKit/EKAlarm.h>
#import <EventKit/EKRecurrenceRule.h>
#import <EventKit/EKParticipant.h>
#import <EventKit/EKCalendarItem.h>
#import <EventKit/EKEvent.h>
#import <EventKit/EKReminder.h>
#import <EventKit/EKEventStore.h>
