#include "codemodel/clang/XAPrecompiledHeaderInclusions.h"

#include "codemodel/XALibclangTestSupport.h"
#include "codemodel/XASavedHeaderTestSupport.h"
#include "core/XALogTestSupport.h"
#include "core/XAPathsTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;

namespace {

class XAPrecompiledHeaderInclusionsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(XALoadStagedLibclang()); }

    XAScratchFolder scratch_;
};

TEST_F(XAPrecompiledHeaderInclusionsTest, KeysNameTheFolder) {
    EXPECT_EQ(XAAllPCHInclusionsStateKey("/p/App"), "inclusionsInAllPCHs--/p/App");
    EXPECT_EQ(XADirectPCHInclusionsStateKey("/p/App"), "inclusionsInDirectPCHs--/p/App");
}

TEST_F(XAPrecompiledHeaderInclusionsTest, ASavedHeaderGivesItsDirectAndIndirectInclusionsPerFolder) {
    const std::string models = scratch_.write("App/Models.h", "#include \"Deep.h\"\nint models;\n");
    const std::string deep = scratch_.write("App/Deep.h", "#pragma once\nint deep;\n");
    const std::string util = scratch_.write("App/Util.h", "#pragma once\nint util;\n");
    const std::string otherUtil = scratch_.write("Other/Util.h", "#pragma once\nint util;\n");
    scratch_.write("App/Prefix.h", "#include \"Models.h\"\n#include \"Util.h\"\n");
    scratch_.write("Other/Prefix.h", "#include \"Util.h\"\n");
    const std::string appPCH = XASaveHeaderAsPrecompiled(scratch_ / "App/Prefix.h");
    const std::string otherPCH = XASaveHeaderAsPrecompiled(scratch_ / "Other/Prefix.h");

    const XAPCHInclusions inclusions = XAReadPCHInclusions({appPCH, otherPCH});

    const std::string app = scratch_ / "App";
    const std::string other = scratch_ / "Other";
    EXPECT_THAT(inclusions.allByFolder,
                ElementsAre(Pair(app, UnorderedElementsAre(models, deep, util)), Pair(other, ElementsAre(otherUtil))));
    EXPECT_THAT(inclusions.directByFolder,
                ElementsAre(Pair(app, UnorderedElementsAre(models, util)), Pair(other, ElementsAre(otherUtil))));
}

TEST_F(XAPrecompiledHeaderInclusionsTest, PathsAreLexicallyNormalised) {
    const std::string near = scratch_.write("App/Near.h", "#pragma once\nint near;\n");
    scratch_.write("App/Prefix.h", "#include \"../App/./Near.h\"\n");

    const XAPCHInclusions inclusions = XAReadPCHInclusions({XASaveHeaderAsPrecompiled(scratch_ / "App/Prefix.h")});

    EXPECT_THAT(inclusions.allByFolder, ElementsAre(Pair(scratch_ / "App", ElementsAre(near))));
    EXPECT_THAT(inclusions.directByFolder, ElementsAre(Pair(scratch_ / "App", ElementsAre(near))));
}

TEST_F(XAPrecompiledHeaderInclusionsTest, AHeaderThatCannotBeLoadedIsLoggedAndAddsNothing) {
    const std::string damaged = scratch_.write("App/Prefix.h.pch", "not an AST file");
    XALogCapture log;
    const XAPCHInclusions inclusions = XAReadPCHInclusions({damaged});
    EXPECT_THAT(inclusions.allByFolder, IsEmpty());
    EXPECT_THAT(inclusions.directByFolder, IsEmpty());
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].first, 4);
    EXPECT_THAT(log.lines()[0].second, HasSubstr("ERROR: Error parsing precompiled header ("));
    EXPECT_THAT(log.lines()[0].second, HasSubstr(damaged));
}

} // namespace
