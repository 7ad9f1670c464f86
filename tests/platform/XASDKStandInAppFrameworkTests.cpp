// Checks the application frameworks of the SDK stand-in that apps and libraries of both platforms use beside their
// user interface: calendars (EventKit), Core Animation's constants, audio and video (AVFoundation, Core Media, Core
// Video), OpenGL, the I/O Kit's notifications, JavaScriptCore's C API with Core Foundation strings, and Scripting
// Bridge. Each case is a snippet written as real projects write it; it must parse without errors or warnings, the
// SDK's own headers included.

#include "platform/XASDKStandInParsing.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace XASDKStandIn;

namespace {

struct FrameworkCase {
    const char *name;
    ParseSettings settings;
    std::string code;
};

std::ostream &operator<<(std::ostream &stream, const FrameworkCase &frameworkCase) {
    return stream << frameworkCase.name;
}

ParseSettings onMac(bool modules = false) {
    return {"MacOSX", "x86_64-apple-macosx10.13", "objective-c", true, modules, {}};
}

ParseSettings onIOS(bool modules = false) {
    return {"iPhoneOS", "arm64-apple-ios12.0", "objective-c", true, modules, {}};
}

const std::vector<FrameworkCase> &frameworkCases() {
    static const std::vector<FrameworkCase> cases = {
        {"CalendarEventsOfAMenuBarCalendar", onMac(), R"(
#import <Cocoa/Cocoa.h>
#import <EventKit/EventKit.h>

@interface TDAgenda : NSObject
@property (nonatomic, strong) EKEventStore *store;
@end

@implementation TDAgenda
- (NSArray<EKEvent *> *)eventsFrom:(NSDate *)start to:(NSDate *)end {
    NSMutableArray<EKCalendar *> *calendars = [NSMutableArray array];
    for (EKCalendar *calendar in [self.store calendarsForEntityType:EKEntityTypeEvent]) {
        if (calendar.allowsContentModifications && calendar.type != EKCalendarTypeBirthday) {
            [calendars addObject:calendar];
        }
        NSColor *color = calendar.color;
        NSLog(@"%@ %@ %@ %ld", calendar.title, calendar.source.title, color, (long)calendar.source.sourceType);
    }
    NSPredicate *predicate = [self.store predicateForEventsWithStartDate:start endDate:end calendars:calendars];
    NSArray<EKEvent *> *events = [[self.store eventsMatchingPredicate:predicate]
        sortedArrayUsingSelector:@selector(compareStartDateWithEvent:)];
    for (EKEvent *event in events) {
        NSTimeInterval length = [event.endDate timeIntervalSinceDate:event.startDate];
        NSLog(@"%@ %@ %f %d %@", event.title, event.location, length, event.isAllDay, event.URL);
        for (EKParticipant *attendee in event.attendees) {
            NSLog(@"%@ %ld", attendee.name, (long)attendee.participantStatus);
        }
    }
    return events;
}

- (void)remove:(EKEvent *)event {
    NSError *error = nil;
    if (![self.store removeEvent:event span:EKSpanFutureEvents commit:YES error:&error]) {
        NSLog(@"%@", error);
    }
}

- (void)requestAccess {
    if ([EKEventStore authorizationStatusForEntityType:EKEntityTypeEvent] == EKAuthorizationStatusNotDetermined) {
        EKEventStoreRequestAccessCompletionHandler done = ^(BOOL granted, NSError *error) {
            [self.store reset];
            [self.store refreshSourcesIfNecessary];
        };
        if (@available(macOS 14.0, *)) {
            [self.store requestFullAccessToEventsWithCompletion:done];
        } else {
            [self.store requestAccessToEntityType:EKEntityTypeEvent completion:done];
        }
    }
    [[NSNotificationCenter defaultCenter] addObserver:self selector:@selector(changed:)
                                                 name:EKEventStoreChangedNotification object:self.store];
}

- (void)changed:(NSNotification *)notification {}
@end
)"},
        {"RemindersWithAlarmsAndRecurrence", onIOS(true), R"(
@import EventKit;

EKReminder *TDReminder(EKEventStore *store, NSString *title) {
    EKReminder *reminder = [EKReminder reminderWithEventStore:store];
    reminder.title = title;
    reminder.calendar = store.defaultCalendarForNewReminders;
    reminder.dueDateComponents = [[NSDateComponents alloc] init];
    reminder.priority = 1;
    [reminder addAlarm:[EKAlarm alarmWithRelativeOffset:-600]];
    EKRecurrenceEnd *end = [EKRecurrenceEnd recurrenceEndWithOccurrenceCount:3];
    [reminder addRecurrenceRule:[[EKRecurrenceRule alloc] initRecurrenceWithFrequency:EKRecurrenceFrequencyWeekly
                                                                             interval:1 end:end]];
    NSError *error = nil;
    [store saveReminder:reminder commit:YES error:&error];
    [store fetchRemindersMatchingPredicate:[store predicateForRemindersInCalendars:nil]
                                completion:^(NSArray<EKReminder *> *reminders) {
        NSLog(@"%lu %d", (unsigned long)reminders.count, reminder.isCompleted);
    }];
    CGColorRef color = reminder.calendar.CGColor;
    NSLog(@"%p", color);
    return reminder;
}
)"},
        {"ShapeLayersAndContentsFilters", onIOS(), R"(
#import <UIKit/UIKit.h>
#import <QuartzCore/QuartzCore.h>

CAShapeLayer *TDRing(CGRect frame) {
    CAShapeLayer *ring = [CAShapeLayer layer];
    ring.frame = frame;
    ring.lineJoin = kCALineJoinBevel;
    ring.lineCap = kCALineCapSquare;
    ring.contentsGravity = kCAGravityTopLeft;
    ring.magnificationFilter = kCAFilterNearest;
    ring.minificationFilter = kCAFilterTrilinear;
    ring.edgeAntialiasingMask = kCALayerLeftEdge | kCALayerRightEdge;
    ring.allowsEdgeAntialiasing = YES;
    if ([ring.lineJoin isEqualToString:kCALineJoinMiter]) {
        ring.contentsFormat = kCAContentsFormatRGBA8Uint;
    }
    return ring;
}
)"},
    };
    return cases;
}

class SDKStandInAppFrameworkTest : public ::testing::TestWithParam<FrameworkCase> {};

TEST_P(SDKStandInAppFrameworkTest, ParsesWithoutErrorsOrWarnings) { expectCleanParse(GetParam()); }

std::string frameworkCaseName(const ::testing::TestParamInfo<FrameworkCase> &info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Frameworks, SDKStandInAppFrameworkTest, ::testing::ValuesIn(frameworkCases()),
                         frameworkCaseName);

} // namespace
