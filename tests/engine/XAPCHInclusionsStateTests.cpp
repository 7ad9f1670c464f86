#include "engine/XAPCHInclusionsState.h"

#include "codemodel/XALibclangTestSupport.h"
#include "codemodel/XASavedHeaderTestSupport.h"
#include "codemodel/clang/XAPrecompiledHeaderInclusions.h"
#include "core/XALogTestSupport.h"
#include "core/XAPathsTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

using ::testing::Optional;
using ::testing::UnorderedElementsAre;

namespace {

using Paths = std::set<std::string>;

class XAPCHInclusionsStateTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(XALoadStagedLibclang()); }

    XAScratchFolder scratch_;
    XARuleStateStore state_;
};

TEST_F(XAPCHInclusionsStateTest, StoresTheSetsOfEveryFolderAndMarksThemStored) {
    const std::string deep = scratch_.write("App/Deep.h", "#pragma once\nint deep;\n");
    const std::string models = scratch_.write("App/Models.h", "#include \"Deep.h\"\n");
    scratch_.write("App/Prefix.h", "#include \"Models.h\"\n");
    const std::string pch = XASaveHeaderAsPrecompiled(scratch_ / "App/Prefix.h");

    XAStorePCHInclusionsOnce({pch}, state_);

    const std::string folder = scratch_ / "App";
    EXPECT_THAT(state_.copyOfStateSet<std::string>(XAAllPCHInclusionsStateKey(folder)),
                Optional(UnorderedElementsAre(models, deep)));
    EXPECT_THAT(state_.copyOfStateSet<std::string>(XADirectPCHInclusionsStateKey(folder)),
                Optional(UnorderedElementsAre(models)));
    EXPECT_EQ(state_.copyOfObjectFromStateKey<bool>(kXAPCHInclusionsStoredStateKey), true);
}

TEST_F(XAPCHInclusionsStateTest, AHeaderThatCannotBeLoadedIsNotTriedAgain) {
    const std::string damaged = scratch_.write("App/Prefix.h.pch", "not an AST file");
    XALogCapture log;
    XAStorePCHInclusionsOnce({damaged}, state_);
    EXPECT_EQ(state_.copyOfObjectFromStateKey<bool>(kXAPCHInclusionsStoredStateKey), true);

    // Even a loadable header is not read once the run has stored its sets.
    scratch_.write("Other/Prefix.h", "#include <stddef.h>\n");
    XAStorePCHInclusionsOnce({XASaveHeaderAsPrecompiled(scratch_ / "Other/Prefix.h")}, state_);
    EXPECT_EQ(state_.copyOfStateSet<std::string>(XAAllPCHInclusionsStateKey(scratch_ / "Other")), std::nullopt);
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST_F(XAPCHInclusionsStateTest, ARunWithoutABuildStoresNoSets) {
    XARuleContext context(nullptr, nullptr, nullptr, XAConfiguration(), nullptr, nullptr, {});
    pchInclusionsForTarget(context, state_);
    EXPECT_EQ(state_.copyOfObjectFromStateKey<bool>(kXAPCHInclusionsStoredStateKey), true);
}

} // namespace
