#include "core/XASleepPrevention.h"

#include "XALogTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;

namespace {

bool isOpen(int descriptor) { return fcntl(descriptor, F_GETFD) != -1; }

// Hands out one end of a new pipe as each lock, recording the requests, or fails with a fixed code.
class XAFakeInhibitor {
public:
    explicit XAFakeInhibitor(int failure = 0) : failure_(failure) {
        XASetSleepInhibitorTakerForTesting([this](const XAInhibitorRequest &request) {
            requests.push_back(request);
            if (failure_ != 0) {
                return failure_;
            }
            int ends[2];
            if (pipe(ends) != 0) {
                return -errno;
            }
            close(ends[1]);
            descriptors.push_back(ends[0]);
            return ends[0];
        });
    }
    ~XAFakeInhibitor() { XASetSleepInhibitorTakerForTesting(nullptr); }

    std::vector<XAInhibitorRequest> requests;
    std::vector<int> descriptors;

private:
    int failure_;
};

} // namespace

TEST(XASleepPreventionTest, AnAssertionHoldsAnIdleSleepLockUntilItIsReleased) {
    XALogCapture log;
    XAFakeInhibitor inhibitor;
    const XASleepAssertionID first = xa_preventSleepAndAppNapWithActivityDescription("Checking project");
    const XASleepAssertionID second = xa_preventSleepAndAppNapWithActivityDescription("Checking project");
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, 0u);
    EXPECT_NE(first, second);
    ASSERT_EQ(inhibitor.requests.size(), 2u);
    EXPECT_EQ(inhibitor.requests[0].what, "idle:sleep");
    EXPECT_EQ(inhibitor.requests[0].who, "Tessary");
    EXPECT_EQ(inhibitor.requests[0].why, "Checking project");
    EXPECT_EQ(inhibitor.requests[0].mode, "block");

    xa_reEnableSleepAndAppNapWithAssertionID(second);
    EXPECT_TRUE(isOpen(inhibitor.descriptors[0]));
    EXPECT_FALSE(isOpen(inhibitor.descriptors[1])) << "releasing closes the lock's descriptor";
    xa_reEnableSleepAndAppNapWithAssertionID(first);
    EXPECT_FALSE(isOpen(inhibitor.descriptors[0]));
    xa_reEnableSleepAndAppNapWithAssertionID(0);
    EXPECT_THAT(log.lines(), IsEmpty());

    xa_reEnableSleepAndAppNapWithAssertionID(first);
    EXPECT_THAT(log.lines(), ElementsAre(Pair(XALogLevelError, "Error: Could not perform IOPMAssertionRelease for "
                                                               "assertion ID " +
                                                                   std::to_string(first) + ". IOReturn is -2")))
        << "a second release finds no assertion";
}

TEST(XASleepPreventionTest, TheDescriptionIsCutToItsFirst128UTF16Units) {
    XAFakeInhibitor inhibitor;
    const std::string pictures = std::string(127, 'x') + "\U0001F600"; // the last character takes two units
    for (const std::string &description : {std::string(200, 'y'), pictures, std::string(128, 'z')}) {
        xa_reEnableSleepAndAppNapWithAssertionID(xa_preventSleepAndAppNapWithActivityDescription(description));
    }
    ASSERT_EQ(inhibitor.requests.size(), 3u);
    EXPECT_EQ(inhibitor.requests[0].why, std::string(128, 'y'));
    EXPECT_EQ(inhibitor.requests[1].why, std::string(127, 'x')) << "a character is never split";
    EXPECT_EQ(inhibitor.requests[2].why, std::string(128, 'z'));
}

TEST(XASleepPreventionTest, ARefusalIsLoggedEachTimeAndTheBlockStillRuns) {
    XALogCapture log;
    XAFakeInhibitor inhibitor(-EPERM);
    EXPECT_EQ(xa_preventSleepAndAppNapWithActivityDescription("Checking project"), 0u);
    int runs = 0;
    xa_preventSleepAndAppNapWithActivityDescription("Checking project", [&runs] { ++runs; });
    EXPECT_EQ(runs, 1);
    EXPECT_THAT(log.lines(),
                ElementsAre(Pair(XALogLevelError, "Error: Could not perform IOPMAssertion. IOReturn is -1"),
                            Pair(XALogLevelError, "Error: Could not perform IOPMAssertion. IOReturn is -1")));
}

TEST(XASleepPreventionTest, WithoutLogindTheRunGoesOnAfterOneDebuggingLine) {
    XALogCapture log;
    XAFakeInhibitor inhibitor(-ENOENT);
    int runs = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        xa_preventSleepAndAppNapWithActivityDescription("Checking project", [&runs] { ++runs; });
    }
    EXPECT_EQ(runs, 3);
    EXPECT_THAT(log.lines(), ElementsAre(Pair(XALogLevelDebug, "Idle sleep is not prevented: no systemd-logind "
                                                               "answers on the system bus (-2)")));
}

TEST(XASleepPreventionTest, LogindGivesALockOrSaysThatItDoesNotAnswer) {
    const int code = XATakeLogindInhibitor({"idle:sleep", "Tessary", "Testing the inhibitor", "block"});
    if (code >= 0) {
        EXPECT_TRUE(isOpen(code));
        close(code);
    } else {
        EXPECT_TRUE(XAInhibitorIsUnavailable(code)) << "a machine without logind, not a refusal: " << code;
    }
}
