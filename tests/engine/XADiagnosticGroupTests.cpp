#include "engine/XADiagnosticGroup.h"

#include "XADiagnosticTestSupport.h"
#include "project/XAProject.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unicode/locid.h>

using ::testing::ElementsAre;
using ::testing::SizeIs;

namespace {

XATestDiagnosticFields at(const std::string &path, std::uint64_t line) {
    XATestDiagnosticFields fields;
    fields.filePath = path;
    fields.start = XADiagnosticPosition{line, 1, 0};
    fields.end = XADiagnosticPosition{line, 2, 1};
    return fields;
}

std::vector<std::string> placesOf(const XADiagnosticGroup &group) {
    std::vector<std::string> places;
    for (const XADiagnostic &diagnostic : group.diagnostics()) {
        places.push_back(
            diagnostic.filePath().value_or("-") + ":" +
            (diagnostic.startPositionBytes() ? std::to_string(diagnostic.startPositionBytes()->line) : "-"));
    }
    return places;
}

// Sets the process's default locale for the test.
class XAScopedDefaultLocale {
public:
    explicit XAScopedDefaultLocale(const char *name) : saved_(icu::Locale::getDefault()) {
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale(name), status);
    }
    ~XAScopedDefaultLocale() {
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(saved_, status);
    }

private:
    icu::Locale saved_;
};

} // namespace

TEST(XADiagnosticGroupTest, DiagnosticsThatDifferInConfidenceFallIntoTwoGroups) {
    XATestDiagnosticFields low;
    low.confidence = XADiagnosticConfidenceLow;
    XATestDiagnosticFields otherLine = at("/p/b.m", 9);
    const auto groups = XADiagnosticGroup::groupsFromDiagnostics(
        {XATestDiagnostic(), XATestDiagnostic(low), XATestDiagnostic(otherLine)});
    ASSERT_THAT(groups, SizeIs(2));
    EXPECT_THAT(groups[0].diagnostics(), SizeIs(2));
    EXPECT_EQ(groups[1].representative()->confidence(), XADiagnosticConfidenceLow);
}

TEST(XADiagnosticGroupTest, AGroupIsOrderedByFileNameInByteOrderThenByLine) {
    XATestDiagnosticFields unplaced;
    unplaced.filePath = std::nullopt;
    const XADiagnosticGroup group = XADiagnosticGroup::groupWithDiagnostics(
        {XATestDiagnostic(at("/x/c.m", 7)), XATestDiagnostic(at("/y/a.m", 2)), XATestDiagnostic(at("/z/c.m", 1)),
         XATestDiagnostic(at("/a/b.m", 3)), XATestDiagnostic(at("/w/B.m", 5)), XATestDiagnostic(unplaced)});
    EXPECT_THAT(placesOf(group), ElementsAre("-:3", "/w/B.m:5", "/y/a.m:2", "/a/b.m:3", "/z/c.m:1", "/x/c.m:7"));
}

TEST(XADiagnosticGroupTest, GroupsSortByTheirFirstDiagnostics) {
    XATestDiagnosticFields error = at("/p/a.m", 1);
    error.severity = XADiagnosticSeverityError;
    auto groups = XADiagnosticGroup::groupsFromDiagnostics({XATestDiagnostic(), XATestDiagnostic(error)});
    groups = XADiagnosticGroup::sortedGroups(groups, {{"severity", false}});
    EXPECT_EQ(groups[0].representative()->severity(), XADiagnosticSeverityError);
    groups = XADiagnosticGroup::sortedGroups(groups, {{"severity", true}});
    EXPECT_EQ(groups[0].representative()->severity(), XADiagnosticSeverityWarning);
}

TEST(XADiagnosticGroupTest, TheSubtitleTellsWhatTheInstancesAre) {
    auto withMessage = [](std::optional<std::string> message, std::optional<std::string> identifier,
                          std::string path = "/p/a.m") {
        XATestDiagnosticFields fields = at(path, 1);
        fields.message = message.value_or("");
        fields.identifier = std::move(identifier);
        XADiagnostic diagnostic = XATestDiagnostic(fields);
        if (!message) {
            diagnostic.setInstanceInfo(std::nullopt);
        }
        return diagnostic;
    };
    XADiagnostics sameMessage(3, withMessage("<p>one</p><p>two</p>", "x"));
    XADiagnostics sevenIdentifiers;
    for (const std::string identifier : {"g", "f", "e", "d", "c", "b", "a"}) {
        sevenIdentifiers.push_back(withMessage("about " + identifier, identifier));
    }
    const XADiagnostics fileNames = {withMessage("1", std::nullopt, "/p/Z.m"), withMessage("2", std::nullopt, "/p/b.m"),
                                     withMessage("3", std::nullopt, "/q/b.m")};
    const XADiagnostics noMessages = {withMessage(std::nullopt, "y"), withMessage(std::nullopt, "x")};
    const XADiagnostics nothingToName = {withMessage("1", std::nullopt), withMessage("2", "")};

    EXPECT_EQ(XADiagnosticGroup::groupWithDiagnostics(sameMessage).groupSubtitle().string(), "one  two");
    EXPECT_EQ(XADiagnosticGroup::groupWithDiagnostics(sevenIdentifiers).groupSubtitle().string(),
              "7 instances (a, b, c, d, e, \u2026)");
    EXPECT_EQ(XADiagnosticGroup::groupWithDiagnostics(fileNames).groupSubtitle().string(), "3 instances (b.m, Z.m)");
    const XADiagnosticGroup withoutMessages = XADiagnosticGroup::groupWithDiagnostics(noMessages);
    EXPECT_TRUE(withoutMessages.allDiagnosticsHaveSameInstanceInfo());
    EXPECT_EQ(withoutMessages.groupSubtitle().string(), "2 instances (x, y)");
    EXPECT_EQ(XADiagnosticGroup::groupWithDiagnostics(nothingToName).groupSubtitle().string(), "2 instances");
}

TEST(XADiagnosticGroupTest, LocalizationFilesAreNamedByTheirLanguages) {
    const XAScopedDefaultLocale english("en_US");
    XATestDiagnosticFields german = at("/p/de.lproj/Localizable.strings", 1);
    german.identifier = "k1";
    XATestDiagnosticFields french = at("/p/fr.lproj/Localizable.strings", 2);
    french.identifier = "k2";
    french.message = "other";
    const XADiagnosticGroup group =
        XADiagnosticGroup::groupWithDiagnostics({XATestDiagnostic(german), XATestDiagnostic(french)});
    EXPECT_TRUE(group.diagnosticFilePathsAreAllInLocalizationBundles());
    EXPECT_THAT(group.uniqueDiagnosticFilePathLocalizationBundleLanguageNames(), ElementsAre("German", "French"));
    EXPECT_EQ(group.groupSubtitle().string(), "2 instances (French, German)");
    EXPECT_FALSE(XADiagnosticGroup::groupWithDiagnostics({XATestDiagnostic(german), XATestDiagnostic()})
                     .diagnosticFilePathsAreAllInLocalizationBundles());
}

TEST(XADiagnosticGroupTest, ThePresentationTakesTheProjectsTabWidth) {
    XAProject withTabWidth(TESSARY_FIXTURES_DIR "/projects/MacApp/MacApp.xcodeproj");
    XAProject withoutTabWidth(TESSARY_FIXTURES_DIR "/projects/iOSApp/iOSApp.xcodeproj");
    ASSERT_TRUE(withTabWidth.readPbxproj(nullptr) && withoutTabWidth.readPbxproj(nullptr));
    EXPECT_EQ(XADiagnosticPresentation::presentationForProject(withTabWidth).indentTabWidth(), 8);
    EXPECT_EQ(XADiagnosticPresentation::presentationForProject(withoutTabWidth).indentTabWidth(), 4);
    EXPECT_EQ(XAHTMLTemplateBodyClassesForOSXVersion(10, 10), "yosemite");
    EXPECT_EQ(XAHTMLTemplateBodyClassesForOSXVersion(10, 11), "");
}
