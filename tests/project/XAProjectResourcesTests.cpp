#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"
#include "project/XAResourceBuild.h"

#include "core/XAPaths.h"
#include "core/XAString.h"
#include "project/XAProjectModelTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Key;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;

namespace {

const std::string kProducts = "/caches/DerivedData/App/Build/Products/Debug-iphoneos";

// The build of the target "App" in "Debug" as the resource operations see it, made of prepared facts.
class XAFakeResourceBuild : public XAResourceBuild {
public:
    XAFakeResourceBuild(const XAProject &project)
        : target_(project.targetForName("App")), configuration_(project.buildConfigurationForName("Debug")) {}

    const std::shared_ptr<XAProjectTarget> &target() const override { return target_; }
    const std::shared_ptr<XAProjectBuildConfiguration> &buildConfiguration() const override { return configuration_; }
    std::vector<XAResourceBuildStep> resourceBuildSteps() const override { return steps; }
    std::optional<std::string> pathToBuiltAppBundle() const override { return bundle; }
    bool appBundleWasSuccessfullyBuilt() const override { return built; }
    bool compilesAssetCatalogsIntoCombinedBinaryFile() const override { return combinedAssetCatalogs; }
    const std::optional<XADictionary> &infoPlistDictionary() const override { return infoPlist; }
    // Derived-data products folders only, as the code model's own test answers for them.
    bool pathIsUnderAppBundleBuildDir(const std::string &path) const override {
        return xa_containsSubstring(path, "DerivedData/") && xa_containsSubstring(path, ".app");
    }
    std::optional<std::vector<std::string>>
    cocoaPodsResourcePathsWithProgress(const XAProgressHandler &progress) const override {
        ++cocoaPodsRuns;
        progress(XAProgressMessage(XAProgressMessageKindWarning, "the pods are slow"));
        return cocoaPodsResources;
    }

    std::vector<XAResourceBuildStep> steps;
    std::optional<std::string> bundle;
    bool built = false;
    bool combinedAssetCatalogs = false;
    std::optional<XADictionary> infoPlist = XADictionary{{"CFBundleDevelopmentRegion", "en"}};
    std::optional<std::vector<std::string>> cocoaPodsResources;
    mutable int cocoaPodsRuns = 0;

private:
    std::shared_ptr<XAProjectTarget> target_;
    std::shared_ptr<XAProjectBuildConfiguration> configuration_;
};

XAResourceBuildStep step(std::string name, std::vector<std::string> arguments, std::vector<std::string> commands = {}) {
    const bool interfaceFile = name == "CompileXIB" || name == "CompileStoryboard";
    return {std::move(name), interfaceFile, std::move(arguments), std::move(commands)};
}

// A project in a scratch folder: the target "App" with resources (en/de strings, icons, an asset catalog with the
// image set "Logo") and a run-script phase, on the platform given.
class XAProjectResourcesTest : public ::testing::Test {
protected:
    std::shared_ptr<XAProject> loadProject(const std::string &platformName, const std::string &shellScript = "true") {
        XATestProjectBuilder builder = XAOneTargetProject({"F_EN", "F_DE", "F_ICON", "F_ICON2X", "F_ASSETS"},
                                                          {"F_EN", "F_DE", "F_ICON", "F_ICON2X", "F_ASSETS"});
        builder.fileReference("F_EN", "en.lproj/Main.strings", "text.plist.strings");
        builder.fileReference("F_DE", "de.lproj/Main.strings", "text.plist.strings");
        builder.fileReference("F_ICON", "Icon.png", "image.png");
        builder.fileReference("F_ICON2X", "Icon@2x~ipad.png", "image.png");
        builder.fileReference("F_ASSETS", "Assets.xcassets", "folder.assetcatalog");
        builder.add("P_SCRIPT", {{"isa", "PBXShellScriptBuildPhase"},
                                 {"shellScript", shellScript},
                                 {"outputPaths", XATestProjectBuilder::list({"$(BUILT_PRODUCTS_DIR)/$(WRAPPER_NAME)/"
                                                                             "generated.json",
                                                                             "$(DERIVED_FILE_DIR)/not-in-bundle.h"})}});
        XADictionary target = *builder.objects.get("T_APP")->dictionary();
        target.set("buildPhases", XATestProjectBuilder::list({"P_SRC", "P_RES", "P_SCRIPT"}));
        builder.objects.set("T_APP", XAValue(std::move(target)));
        scratch_.write("Assets.xcassets/Logo.imageset/Contents.json", R"({"images": []})");
        const XABuildSettings settings = {{"PLATFORM_NAME", platformName},
                                          {"BUILT_PRODUCTS_DIR", kProducts},
                                          {"DERIVED_FILE_DIR", "/caches/DerivedData/App/Build/Intermediates"},
                                          {"WRAPPER_NAME", "App.app"},
                                          {"DEVELOPMENT_LANGUAGE", "en"}};
        fakeXcodebuild_.settings["Debug"] = {{"App", settings}};
        fakeXcodebuild_.settings["Release"] = {{"App", settings}};
        auto project = XAProject::projectWithXcodeproj(builder.write(scratch_, "App"));
        project->setXcodebuildRunnerForTesting(fakeXcodebuild_.runner());
        EXPECT_TRUE(project->loadProject(nullptr));
        return project;
    }

    XAScratchFolder scratch_;
    XAFakeXcodebuild fakeXcodebuild_;
};

} // namespace

TEST(XAProjectResourcePaths, PathFromTheBundleRootAndStandardisedPaths) {
    EXPECT_EQ(XAProject::pathFromAppBundleRoot(kProducts + "/App.app/en.lproj/Main.nib"), "en.lproj/Main.nib");
    EXPECT_EQ(XAProject::pathFromAppBundleRoot("/a/App.app/Plugins/Sub.app/x"), "Plugins/Sub.app/x");
    EXPECT_EQ(XAProject::pathFromAppBundleRoot("/a/App.app"), "");
    EXPECT_EQ(XAProject::pathFromAppBundleRoot("/no/bundle/x.png"), "");
    EXPECT_EQ(XAProject::standardizedResourcePath("a/./b//c.png/"), "a/b/c.png");
    EXPECT_EQ(XAProject::standardizedResourcePath("Caf\u0065\u0301.png"), "Caf\u00E9.png");
}

TEST_F(XAProjectResourcesTest, InferenceFollowsTheStepsOfTheBuild) {
    auto project = loadProject("iphoneos");
    scratch_.write("Sounds/a.caf", "");
    scratch_.write("Sounds/sub/b.caf", "");
    scratch_.write("Icon.png", "");
    XAFakeResourceBuild build(*project);
    const std::string bundle = kProducts + "/App.app";
    build.steps = {
        step("CpResource", {scratch_ / "Sounds", bundle + "/Sounds"}),
        step("CpResource", {"Icon.png", bundle + "/Icon.png"}),
        step("ProcessInfoPlistFile", {bundle + "/Info.plist", "App/Info.plist"}),
        step("CopyPNGFile", {bundle + "/a@2x.png", "App/a@2x.png"}),
        step("CompileStoryboard", {"/src/Base.lproj/Main.storyboard"},
             {"cd /src", "/Xcode/usr/bin/ibtool --errors --compile " + bundle +
                             "/Base.lproj/Main.storyboardc "
                             "/src/Base.lproj/Main.storyboard"}),
        step("CompileXIB", {"/src/View.xib", "normal"}),
        step("CompileC", {"/obj/main.o", "/src/main.m"}),
        step("CpResource", {}),
    };
    EXPECT_THAT(project->inferredResourcePathsInBuild(build),
                ElementsAre("generated.json", "Sounds", "Sounds/a.caf", "Sounds/sub", "Sounds/sub/b.caf", "Icon.png",
                            "Info.plist", "a@2x.png", "Base.lproj/Main.storyboardc", "View.xib"));
    EXPECT_EQ(build.cocoaPodsRuns, 0) << "no Podfile";
}

TEST_F(XAProjectResourcesTest, OnOSXOnlyContentsResourcesHoldsResources) {
    auto project = loadProject("macosx");
    XAFakeResourceBuild build(*project);
    const std::string bundle = kProducts + "/App.app";
    build.steps = {step("CpResource", {"/src/en.lproj/Main.nib", bundle + "/Contents/Resources/en.lproj/Main.nib"}),
                   step("ProcessInfoPlistFile", {bundle + "/Contents/Info.plist", "/src/Info.plist"}),
                   step("TiffUtil", {"Picture.tiff"})};
    EXPECT_THAT(project->inferredResourcePathsInBuild(build), ElementsAre("en.lproj/Main.nib", "Picture.tiff"));
}

TEST_F(XAProjectResourcesTest, CocoaPodsResourcesAreAskedForWhenAPhaseRunsTheirScript) {
    scratch_.write("Podfile", "pod 'Sounds'\n");
    XALogCapture log;
    for (const std::string script : {"true", "\"${SRCROOT}/Pods/Pods-resources.sh\""}) {
        auto project = loadProject("iphoneos", script);
        XAFakeResourceBuild build(*project);
        build.cocoaPodsResources = std::vector<std::string>{"Pod.png"};
        const auto paths = project->inferredResourcePathsInBuild(build);
        EXPECT_EQ(build.cocoaPodsRuns, script == "true" ? 0 : 1) << script;
        EXPECT_EQ(std::ranges::count(paths, "Pod.png"), script == "true" ? 0 : 1) << script;
    }
    EXPECT_EQ(std::ranges::count(log.lines(), std::pair<int, std::string>(3, "Warning: the pods are slow")), 1);
}

TEST_F(XAProjectResourcesTest, ARealBuildIsListedADryRunIsInferred) {
    auto project = loadProject("iphoneos");
    XAFakeResourceBuild build(*project);
    build.steps = {step("CpResource", {"/src/x.png", kProducts + "/App.app/x.png"})};
    scratch_.write("Built/App.app/en.lproj/Main.strings", "");
    build.bundle = scratch_ / "Built/App.app";
    EXPECT_THAT(project->resourcePathsInBuild(build), ElementsAre("generated.json", "x.png")) << "a dry run";
    build.built = true;
    EXPECT_THAT(project->resourcePathsInBuild(build), ElementsAre("en.lproj", "en.lproj/Main.strings"));

    EXPECT_EQ(XAProject::resourcePathsFromAppBundleAtPath(scratch_ / "Built/App.app", XAPlatformOSX), std::nullopt)
        << "no Contents/Resources";
    EXPECT_EQ(XAProject::resourcePathsFromAppBundleAtPath(scratch_ / "Built/App.app", XAPlatformOther), std::nullopt);
    EXPECT_EQ(XAProject::resourcePathsFromAppBundleAtPath(scratch_ / "Missing.app", XAPlatformIOS), std::nullopt);
    EXPECT_EQ(XAProject::resourcePathsFromAppBundleAtPath(std::nullopt, XAPlatformIOS), std::nullopt);
}

TEST_F(XAProjectResourcesTest, CompleteSetHoldsEveryFolderAndIsComputedOnce) {
    auto project = loadProject("iphoneos");
    XAFakeResourceBuild build(*project);
    build.steps = {step("CpResource", {"/src/c.png", kProducts + "/App.app/a/b/c.png"}),
                   step("CpResource", {"/nowhere/x.png", "/outside/x.png"})};
    auto paths = project->standardizedCompleteResourcePathsInBuild(build);
    EXPECT_THAT(*paths, UnorderedElementsAre("generated.json", "a", "a/b", "a/b/c.png"));
    build.steps.clear();
    EXPECT_EQ(project->standardizedCompleteResourcePathsInBuild(build), paths);
}

TEST_F(XAProjectResourcesTest, ContainmentTriesScaleDeviceLocalisationAndExtensionVariants) {
    auto project = loadProject("iphoneos");
    XAFakeResourceBuild build(*project);
    for (const char *resource : {"en.lproj/icon@2x~ipad.png", "Base.lproj/Foo.jpg", "Bar@3x.png", "Sounds/a.caf",
                                 "Docs/readme.txt", "Caf\u00E9.png"}) {
        build.steps.push_back(step("CpResource", {"/src/x", kProducts + "/App.app/" + resource}));
    }
    const std::vector<std::string> pictures = {"png", "jpg"};
    struct Case {
        std::string path;
        std::optional<std::vector<std::string>> extensions;
        bool isImage;
        bool found;
    } cases[] = {
        {"icon.png", std::nullopt, true, true},  {"icon.png", std::nullopt, false, false},
        {"Foo", pictures, false, true},          {"Foo", std::nullopt, false, false},
        {"Bar.png", std::nullopt, true, false},  {"Sounds/a.caf", std::nullopt, false, true},
        {"Sounds", std::nullopt, false, true},   {"a.caf", std::nullopt, false, false},
        {"Docs/readme", {{"txt"}}, false, true}, {"Cafe\u0301.png", std::nullopt, true, true},
        {"", std::nullopt, false, false},        {"Logo", std::nullopt, true, true},
        {"Logo.png", std::nullopt, true, true},  {"Logo.jpg", std::nullopt, true, false},
        {"Logo", std::nullopt, false, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(project->containsResourcePath(c.path, c.extensions, build, c.isImage), c.found)
            << c.path << (c.isImage ? " (image)" : "");
    }
    build.combinedAssetCatalogs = true;
    EXPECT_TRUE(project->containsResourcePath("Logo.jpg", std::nullopt, build, true));

    // The region named through a build setting, as the unprocessed Info.plist of a dry run names it.
    build.infoPlist = XADictionary{{"CFBundleDevelopmentRegion", "$(DEVELOPMENT_LANGUAGE)"}};
    EXPECT_TRUE(project->containsResourcePath("icon.png", std::nullopt, build, true));

    // Without the development region only "Base" is tried.
    build.infoPlist = XADictionary{};
    XALogCapture log;
    EXPECT_FALSE(project->containsResourcePath("icon.png", std::nullopt, build, true));
    EXPECT_TRUE(project->containsResourcePath("Foo.jpg", std::nullopt, build, true));
    EXPECT_THAT(log.lines(), Contains(Pair(4, HasSubstr("Cannot determine development region"))));
}

TEST_F(XAProjectResourcesTest, SuggestionsComeFromTheSameFolderAndTheAssetCatalogs) {
    auto project = loadProject("iphoneos");
    const std::set<std::string> known = {"Images", "Images/button.png", "Images/banner.png", "Images/notes.txt",
                                         "other.png"};
    const auto catalogs = project->targetForName("App")->assetCatalogs();
    struct Case {
        std::string path;
        bool isImage;
        std::optional<std::string> suggestion;
    } cases[] = {{"Images/buton.png", true, "button.png"}, {"Images/note.txt", false, "notes.txt"},
                 {"buton.png", true, "other.png"},         {"Images/Lgo", true, "Logo"},
                 {"Nowhere/x.txt", false, std::nullopt},   {"", true, std::nullopt}};
    for (const Case &c : cases) {
        EXPECT_EQ(XAProject::suggestionForUnknownResourcePath(c.path, known, catalogs, c.isImage), c.suggestion)
            << c.path;
    }
    XAFakeResourceBuild build(*project);
    build.steps = {step("CpResource", {"/src/x", kProducts + "/App.app/Images/button.png"})};
    EXPECT_EQ(project->suggestionForUnknownResourcePath("Images/buttn.png", build, true), "button.png");
}

TEST_F(XAProjectResourcesTest, ResourcesGroupByBaseNameAndDevelopmentRegionFilesComeFirst) {
    EXPECT_EQ(XAProject::baseResourceNameOfResourceFilename("Icon@2x~ipad.png"), "Icon.png");
    EXPECT_THAT(XAProject::resourcesGroupedByBaseName(std::vector<std::string>{
                    "Icon@2x~iphone.png", "Icon~ipad.png", "a/Icon.png", "Other.png", "Icon@2x~iphone.png"}),
                ElementsAre(Pair("Icon.png", ElementsAre("Icon@2x~iphone.png", "Icon~ipad.png", "a/Icon.png")),
                            Pair("Other.png", ElementsAre("Other.png"))));

    auto project = loadProject("iphoneos");
    auto target = project->targetForName("App");
    std::map<std::string, std::vector<std::string>> groups;
    for (const auto &[name, files] : target->resourcesGroupedByResourceBaseName()) {
        for (const auto &file : files) {
            groups[name].push_back(file->name());
        }
    }
    EXPECT_THAT(groups, ElementsAre(Pair("Assets.xcassets", ElementsAre("Assets.xcassets")),
                                    Pair("Icon.png", ElementsAre("Icon.png", "Icon@2x~ipad.png")),
                                    Pair("Main.strings", ElementsAre("Main.strings", "Main.strings"))));

    std::vector<std::string> sorted;
    for (const auto &file : project->resourceFilesSortedWithDevRegionFilesFirst(
             {target->resourceFiles().rbegin(), target->resourceFiles().rend()})) {
        sorted.push_back(file->localeIdentifier().value_or("") + ":" + file->name());
    }
    EXPECT_THAT(sorted, ElementsAre("en:Main.strings", ":Assets.xcassets", ":Icon@2x~ipad.png", ":Icon.png",
                                    "de:Main.strings"));
}

TEST(XAProjectResourcePaths, SystemProvidedImageNamesExistOnlyOnOSX) {
    struct Case {
        const char *name;
        XAPlatform platform;
        bool provided;
    } cases[] = {
        {"NSMenuCheckmark", XAPlatformOSX, true},
        {"NSFolder", XAPlatformOSX, true},
        {"NSFolder.png", XAPlatformOSX, false},
        {"NSActionTemplate", XAPlatformOSX, true},
        {"NSDotMac", XAPlatformOSX, true},
        {"NSAscendingSortIndicator", XAPlatformOSX, true},
        {"NSFolder", XAPlatformIOS, false},
        {"Images/NSFolder", XAPlatformOSX, false},
        {"NSApplicationIconX", XAPlatformOSX, false},
        {"MyIcon", XAPlatformOSX, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XAProject::resourcePathIsSystemProvidedIconNameOnPlatform(c.name, c.platform), c.provided) << c.name;
    }
}
