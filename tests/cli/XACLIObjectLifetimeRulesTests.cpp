// The object-lifetime rules as the staged command line describes them.

#include "platform/XAStagedProgramSupport.h"

#include <gtest/gtest.h>

using namespace XAStagedPrograms;

TEST(XACLIObjectLifetimeRulesTest, TheRulesCommandDescribesTheUndetachedDelegateRule) {
    const XATaskResults results = run(launcherPath(), {"rules", "UndetachedDelegate"}, cleanEnvironment());
    EXPECT_EQ(results.exitStatus, 0) << standardError(results);
    EXPECT_EQ(standardOutput(results).rfind("UndetachedDelegate\nUndetached delegate or data source\n", 0), 0u)
        << standardOutput(results);
    EXPECT_NE(standardOutput(results).find("When an object sets itself as the delegate or data source of one of its"),
              std::string::npos)
        << standardOutput(results);
}
