#include "project/XAProjectTarget.h"

#include "XAProjectModelTestSupport.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectBuildPhase.h"
#include "project/XAProjectFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;

namespace {

std::shared_ptr<XAProject> readProject(const std::string &xcodeprojPath) {
    auto project = XAProject::projectWithXcodeproj(xcodeprojPath);
    EXPECT_TRUE(project->readPbxproj(nullptr)) << xcodeprojPath;
    return project;
}

std::vector<std::string> pathsInXcode(const std::vector<std::shared_ptr<XAProjectFile>> &files) {
    std::vector<std::string> paths;
    for (const auto &file : files) {
        paths.push_back(file->pathInXcode().value_or("(none)"));
    }
    return paths;
}

} // namespace

TEST(XAProjectTarget, PhasesFilesAndResourcesOfTheFixtureApp) {
    auto project = readProject(kIOSAppXcodeproj);
    auto app = project->targetForName("iOSApp");
    ASSERT_TRUE(app);
    EXPECT_EQ(app->productType(), "com.apple.product-type.application");
    EXPECT_EQ(app->productName(), "iOSApp");

    std::vector<std::string> phaseNames;
    for (const auto &phase : app->buildPhases()) {
        phaseNames.push_back(phase->phaseTypeName());
    }
    EXPECT_THAT(phaseNames, ElementsAre("Compile Sources", "Link Binary with Libraries", "Copy Bundle Resources",
                                        "Run Shell Script"));
    EXPECT_THAT(pathsInXcode(app->sourceFiles()),
                ElementsAre("iOSApp/AppDelegate.m", "iOSApp/Supporting Files/main.m", "iOSApp/Helpers.c"));
    // Variant groups stand for their localised children.
    EXPECT_THAT(pathsInXcode(app->resourceFiles()),
                ElementsAre("iOSApp/Main.storyboard/Main.storyboard", "iOSApp/Localizable.strings/Localizable.strings",
                            "iOSApp/icon.png"));
    EXPECT_THAT(app->resourcePaths(),
                ElementsAre("Base.lproj/Main.storyboard", "en.lproj/Localizable.strings", "icon.png"));
    EXPECT_THAT(app->assetCatalogs(), IsEmpty());

    const auto &script = app->buildPhases()[3];
    EXPECT_EQ(script->phaseType(), XAProjectBuildPhaseTypeShellScript);
    EXPECT_THAT(script->inputPaths(), ElementsAre("$(SRCROOT)/iOSApp/iOSApp-Info.plist"));
    EXPECT_THAT(script->outputPaths(), IsEmpty());
    EXPECT_EQ(script->shellScriptContents(), "echo \"Building ${PRODUCT_NAME}\"\n");
    EXPECT_EQ(app->buildPhases()[0]->shellScriptContents(), "");

    // Target configurations are found without regard to letter case, unlike the project's.
    ASSERT_TRUE(app->buildConfigurationForName("release"));
    EXPECT_EQ(app->buildConfigurationForName("release")->name(), "Release");
    EXPECT_EQ(app->buildConfigurationForName("Profile"), nullptr);
    EXPECT_EQ(project->buildConfigurationForName("release"), nullptr);
    const XADictionary &settings = app->buildConfigurationForName("Debug")->buildSettings();
    EXPECT_EQ(*settings.get("GCC_PREFIX_HEADER")->string(), "iOSApp/iOSApp-Prefix.pch");
    EXPECT_EQ(app->buildConfigurationForName("Debug")->configFile()->name(), "App.xcconfig");
}

TEST(XAProjectTarget, ProductTypesDecideKindAndDisplayName) {
    struct Case {
        std::optional<std::string> productType;
        XAProjectTargetType type;
        const char *displayName;
        bool bundle, application, appOrExtension;
    } cases[] = {
        {"com.apple.product-type.application", XAProjectTargetTypeApplication, "Application", true, true, true},
        {"com.apple.product-type.app-extension", XAProjectTargetTypeAppExtension, "App Extension", true, false, true},
        {"com.apple.product-type.bundle.unit-test", XAProjectTargetTypeUnitTestBundle, "Unit Test Bundle", true, false,
         false},
        {"com.apple.product-type.framework.static", XAProjectTargetTypeStaticFramework, "Static Framework", false,
         false, false},
        {"com.apple.product-type.spotlight-importer", XAProjectTargetTypeSpotlightImporter, "Spotlight Importer", true,
         false, false},
        {"com.apple.product-type.library.static", XAProjectTargetTypeStaticLibrary, "Static Library", false, false,
         false},
        {"com.apple.product-type.Application", XAProjectTargetTypeUnknown, "Target", false, false, false},
        {"com.example.custom", XAProjectTargetTypeUnknown, "Target", false, false, false},
        {std::nullopt, XAProjectTargetTypeUnknown, "Target", false, false, false},
    };
    for (const auto &c : cases) {
        XAScratchFolder folder;
        XATestProjectBuilder builder = XAOneTargetProject();
        XADictionary target = *builder.objects.get("T_APP")->dictionary();
        if (c.productType) {
            target.set("productType", *c.productType);
        } else {
            target.remove("productType");
        }
        builder.add("T_APP", target);
        auto project = readProject(builder.write(folder, "P"));
        XALogCapture log;
        auto app = project->targets().at(0);
        EXPECT_EQ(app->targetType(), c.type) << c.productType.value_or("(none)");
        EXPECT_EQ(app->targetTypeDisplayName(), c.displayName);
        EXPECT_EQ(app->targetTypeIsABundle(), c.bundle);
        EXPECT_EQ(app->infoPlistIsExpectedToExist(), c.bundle);
        EXPECT_EQ(app->targetTypeIsAnApplication(), c.application);
        EXPECT_EQ(app->targetTypeIsAnAppOrAppExtension(), c.appOrExtension);
        if (c.type == XAProjectTargetTypeUnknown) {
            EXPECT_THAT(log.lines(), ElementsAre(Pair(1, c.productType ? "Unknown product type: " + *c.productType
                                                                       : "Unknown product type:")));
        } else {
            EXPECT_THAT(log.lines(), IsEmpty());
        }
    }
}

TEST(XAProjectTarget, ATargetWithoutPhasesOrConfigurationsHasEmptyLists) {
    XAScratchFolder folder;
    XATestProjectBuilder builder = XAOneTargetProject();
    builder.add("T_APP", {{"isa", "PBXNativeTarget"}, {"name", "App"}});
    auto app = readProject(builder.write(folder, "P"))->targets().at(0);
    EXPECT_THAT(app->buildPhases(), IsEmpty());
    EXPECT_THAT(app->buildConfigurations(), IsEmpty());
    EXPECT_THAT(app->sourceFiles(), IsEmpty());
    EXPECT_THAT(app->resourceFiles(), IsEmpty());
    EXPECT_THAT(app->resourcePaths(), IsEmpty());
    EXPECT_EQ(app->productName(), "");
}

TEST(XAProjectTarget, BrokenBuildFilesAreLoggedAndSkipped) {
    XAScratchFolder folder;
    XATestProjectBuilder builder = XAOneTargetProject({}, {"V_STRINGS"});
    builder.fileReference("F_EN", "en.lproj/Main.strings", "text.plist.strings");
    builder.fileReference("F_DE", "de.lproj/Main.strings", "text.plist.strings");
    builder.add("V_STRINGS", {{"isa", "PBXVariantGroup"},
                              {"children", XATestProjectBuilder::list({"F_EN", "F_DE", "F_GONE"})},
                              {"name", "Main.strings"},
                              {"sourceTree", "<group>"}});
    builder.group("G_OUTSIDE", {"F_EN", "F_DE"});               // holds the localised files but is not in the tree
    builder.fileReference("F_STRAY", "Stray.png", "image.png"); // in no group
    builder.add("R_PROXY", {{"isa", "PBXReferenceProxy"}, {"path", "libX.a"}, {"sourceTree", "BUILT_PRODUCTS_DIR"}});
    builder.add("X_MODEL", {{"isa", "XCVersionGroup"}, {"path", "Model.xcdatamodeld"}});
    builder.add("B_NOREF", {{"isa", "PBXBuildFile"}});
    builder.buildFile("B_VARIANT", "V_STRINGS");
    builder.buildFile("B_STRAY", "F_STRAY");
    builder.buildFile("B_PROXY", "R_PROXY");
    builder.buildFile("B_MODEL", "X_MODEL");
    builder.buildFile("B_ODD", "G_OUTSIDE");
    builder.phase("P_RES", "PBXResourcesBuildPhase",
                  {"B_NOREF", "B_VARIANT", "B_STRAY", "B_PROXY", "B_MODEL", "B_ODD", "B_DANGLING"});
    auto project = readProject(builder.write(folder, "P"));

    XALogCapture log;
    auto app = project->targets().at(0);
    EXPECT_THAT(pathsInXcode(app->resourceFiles()),
                ElementsAre("Main.strings/Main.strings", "Main.strings/Main.strings"));
    EXPECT_THAT(app->resourcePaths(), ElementsAre("en.lproj/Main.strings", "de.lproj/Main.strings"));
    EXPECT_THAT(
        log.lines(),
        ElementsAre(Pair(4, "ERROR: Missing fileRef for build file ID B_NOREF"),
                    Pair(4, "ERROR: Cannot find phase file F_GONE referred to by variant group V_STRINGS"),
                    Pair(3, "Warning: Unexpected file reference in \u2018Copy Bundle Resources\u2019 build phase "
                            "\u2014 probably a broken file reference (ID F_STRAY): Stray.png"),
                    Pair(4, "ERROR: Unexpected isa type 'PBXGroup' for ID G_OUTSIDE"),
                    Pair(4, "ERROR: Missing fileRef for build file ID B_DANGLING")));
    // Phase files are resolved once; asking again logs nothing more.
    EXPECT_EQ(app->buildPhases()[1]->phaseFiles().size(), 2u);
    EXPECT_EQ(log.lines().size(), 5u);
}

TEST(XAProjectTarget, FolderReferencesContributeTheirVisibleFiles) {
    XAScratchFolder folder;
    folder.write("Sounds/a.caf", "a");
    folder.write("Sounds/.hidden", "h");
    folder.write("Sounds/.git/config", "x");
    folder.write("Sounds/Deep/b.caf", "b");
    XATestProjectBuilder builder =
        XAOneTargetProject({"F_SOUNDS", "F_ICON", "F_GONE"}, {"F_SOUNDS", "F_ICON", "F_GONE"});
    builder.fileReference("F_SOUNDS", "Sounds", "folder");
    builder.fileReference("F_ICON", "Images/icon.png", "image.png");
    builder.fileReference("F_GONE", "Missing", "folder");
    auto project = readProject(builder.write(folder, "P"));
    XALogCapture log;
    auto app = project->targets().at(0);
    EXPECT_THAT(app->resourcePaths(), ElementsAre("Sounds/Deep/b.caf", "Sounds/a.caf", "icon.png"));
    EXPECT_THAT(XAProjectTarget::resourceFilesInDirRecursive(folder / "Sounds/"),
                ElementsAre("/Sounds/Deep/b.caf", "/Sounds/a.caf"));
}

TEST(XAProjectBuildPhase, ReferenceProxyPathsComeFromTheResolvedSettings) {
    auto project = readProject(kMacAppXcodeproj);
    auto frameworks = project->targets().at(0)->buildPhases().at(1);
    EXPECT_EQ(frameworks->phaseType(), XAProjectBuildPhaseTypeFrameworks);
    EXPECT_EQ(frameworks->phaseTypeName(), "Link Binary with Libraries");
    EXPECT_THAT(frameworks->referenceProxyFilePathsWithResolvedBuildSettings({{"BUILT_PRODUCTS_DIR", "/build/Debug"}}),
                ElementsAre("/build/Debug/libLibrary.a"));
    EXPECT_THAT(frameworks->referenceProxyFilePathsWithResolvedBuildSettings({{"SOURCE_ROOT", "/src"}}), IsEmpty());
    EXPECT_THAT(frameworks->referenceProxyFilePathsWithResolvedBuildSettings({{"BUILT_PRODUCTS_DIR", ""}}), IsEmpty());
    // The proxy is no file of this project's tree, and the framework is.
    EXPECT_THAT(pathsInXcode(frameworks->phaseFiles()), ElementsAre("Cocoa.framework"));
}

TEST(XAProjectBuildPhase, UnknownPhasesAreNamedByTheirIsa) {
    XAScratchFolder folder;
    XATestProjectBuilder builder = XAOneTargetProject();
    builder.phase("P_RES", "PBXRezBuildPhase", {});
    builder.add("P_SRC", {{"files", XATestProjectBuilder::list({"B_MAIN"})}});
    auto app = readProject(builder.write(folder, "P"))->targets().at(0);
    EXPECT_EQ(app->buildPhases()[1]->phaseType(), XAProjectBuildPhaseTypeUnknown);
    EXPECT_EQ(app->buildPhases()[1]->phaseTypeName(), "Unknown (PBXRezBuildPhase)");
    EXPECT_EQ(app->buildPhases()[0]->phaseTypeName(), "Unknown ((null))");
    EXPECT_THAT(app->sourceFiles(), IsEmpty()) << "a phase without isa compiles nothing";
}

TEST(XAProjectBuildConfiguration, ReleaseConfigurationsAreRecognisedByName) {
    struct Case {
        const char *name;
        bool release;
    } cases[] = {{"Release", true},       {"AppStore", true}, {"Production", true},        {"Debug", false},
                 {"ReleaseTests", false}, {"Beta", false},    {"Production-Debug", false}, {"", false},
                 {"STORE-release", true}};
    for (const auto &c : cases) {
        XAScratchFolder folder;
        XATestProjectBuilder builder = XAOneTargetProject();
        builder.configuration("C_R", c.name);
        auto project = readProject(builder.write(folder, "P"));
        EXPECT_EQ(project->buildConfigurations().at(1)->isReleaseConfiguration(), c.release) << c.name;
    }
}

TEST(XAProjectBuildConfiguration, MissingKeysGiveEmptyValues) {
    XAScratchFolder folder;
    XATestProjectBuilder builder = XAOneTargetProject();
    builder.add("C_D", {{"isa", "XCBuildConfiguration"}, {"baseConfigurationReference", "F_UNKNOWN"}});
    auto configuration = readProject(builder.write(folder, "P"))->buildConfigurations().at(0);
    EXPECT_EQ(configuration->name(), "");
    EXPECT_TRUE(configuration->buildSettings().empty());
    EXPECT_EQ(configuration->configFile(), nullptr);
}
