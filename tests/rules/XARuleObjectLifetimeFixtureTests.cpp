// The object-lifetime rules through a whole checking run of the fixture project object-lifetime (iOS 8), whose one
// controller makes one mistake of each rule, in this order: it makes itself its gauge's delegate and never detaches,
// lets its gauge observe a notification it never removes, throws away a block observer, observes a table view by
// key-value observation, and removes itself from every notification outside -dealloc.

#include "XAFixtureCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

TEST(XARuleObjectLifetimeFixtureTest, EachRuleReportsTheControllersOneMistake) {
    XAScratchFolder scratch;
    const XAFixtureCheck check =
        XACheckFixture(scratch, "object-lifetime",
                       {"UndetachedDelegate", "MissingNotificationCenterDetachment",
                        "DiscardedOpaqueNotificationObserver", "UIKitKVO", "CompleteNotificationCenterDetachment"});
    EXPECT_THAT(check.findings,
                ElementsAre(XAFixtureFinding{"App/Controller.m", 14, "",
                                             "Controller attaches itself as a Gauge delegate, but does not detach in "
                                             "-[NSObject dealloc]."},
                            XAFixtureFinding{"App/Controller.m", 19, "", ""},
                            XAFixtureFinding{"App/Controller.m", 23, "", ""},
                            XAFixtureFinding{"App/Controller.m", 28, "UITableView", ""},
                            XAFixtureFinding{"App/Controller.m", 39, "", ""}));
}
