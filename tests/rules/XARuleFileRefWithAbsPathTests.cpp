// The absolute file references of a fixture project, with system paths reported or allowed.

#include "engine/XARuleContext.h"
#include "engine/XARuleRegistry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> reportedPaths(bool allowSystemPaths, XADiagnostics *diagnostics = nullptr) {
    const XARuleDescriptor *rule = XARuleRegistry::shared().ruleWithShortName("FileRefWithAbsPath");
    EXPECT_NE(rule, nullptr);
    auto project =
        XAProject::projectWithXcodeproj(TESSARY_FIXTURES_DIR "/projects/AbsoluteRefs/AbsoluteRefs.xcodeproj");
    EXPECT_TRUE(project->readPbxproj(nullptr));
    XAConfiguration configuration;
    configuration.setValue(allowSystemPaths, *rule->optionWithLongName("allowSystemPaths"), rule->shortName);
    XARuleContext context(project, nullptr, nullptr, configuration, nullptr, nullptr, {rule});
    const XADiagnostics found = rule->applyWithContext(context);
    std::vector<std::string> paths;
    for (const XADiagnostic &diagnostic : found) {
        paths.push_back(diagnostic.filePath().value_or(""));
    }
    if (diagnostics) {
        *diagnostics = found;
    }
    return paths;
}

} // namespace

TEST(XARuleFileRefWithAbsPathTest, EveryAbsoluteReferenceIsReportedByDefault) {
    XADiagnostics diagnostics;
    EXPECT_THAT(reportedPaths(false, &diagnostics),
                testing::UnorderedElementsAre("/Users/dev/Shared/Logo.png", "/System/Library/Frameworks/Foo.framework",
                                              "/usr/local/include/foo.h",
                                              "/Applications/Xcode.app/Contents/Developer/usr/include/bar.h"))
        << "a group-relative path that begins with a slash, and relative references, are not";
    for (const XADiagnostic &diagnostic : diagnostics) {
        EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityError);
        EXPECT_EQ(diagnostic.impact(), XADiagnosticImpactMaintainability);
        EXPECT_EQ(diagnostic.confidence(), XADiagnosticConfidenceAbsolute);
        EXPECT_EQ(diagnostic.instanceInfo()->plainString(), "Use a relative location for this file reference instead.");
        EXPECT_FALSE(diagnostic.hasStartPositionInfo());
        EXPECT_NE(diagnostic.exclusionResistance(), 0u) << "outside the project folder, so outside the working copy";
    }
}

TEST(XARuleFileRefWithAbsPathTest, SystemPathsMayBeAllowed) {
    EXPECT_THAT(reportedPaths(true),
                testing::UnorderedElementsAre("/Users/dev/Shared/Logo.png", "/usr/local/include/foo.h"));
}
