#include "project/XAProject.h"

#include "XAProjectModelTestSupport.h"
#include "core/XAHashing.h"
#include "core/XAPaths.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

std::shared_ptr<XAProject> readProject(const std::string &xcodeprojPath) {
    auto project = XAProject::projectWithXcodeproj(xcodeprojPath);
    XAProgressRecorder recorder;
    EXPECT_TRUE(project->readPbxproj(recorder.handler())) << xcodeprojPath;
    EXPECT_THAT(recorder.messages(), IsEmpty());
    return project;
}

std::vector<std::string> namesOf(const auto &elements) {
    std::vector<std::string> names;
    for (const auto &element : elements) {
        names.push_back(element ? element->name() : "(none)");
    }
    return names;
}

// Every file below a folder with its size and modification time, to see that nothing was written.
std::map<std::string, std::pair<std::uintmax_t, std::filesystem::file_time_type>> snapshot(const std::string &folder) {
    std::map<std::string, std::pair<std::uintmax_t, std::filesystem::file_time_type>> entries;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder)) {
        entries[entry.path().string()] = {entry.is_regular_file() ? entry.file_size() : 0, entry.last_write_time()};
    }
    return entries;
}

// Settings that name their configuration, for every target in every configuration.
void prepare(XAFakeXcodebuild &fake, const std::vector<std::string> &configurations,
             const std::vector<std::string> &targets) {
    for (const auto &configuration : configurations) {
        for (const auto &target : targets) {
            fake.settings[configuration].push_back({target, {{"CONFIGURATION", configuration}}});
        }
    }
}

} // namespace

TEST(XAProjectLoading, ReadFailuresAreReportedAsErrors) {
    XAScratchFolder folder;
    folder.write("Empty.xcodeproj/readme.txt", "no project file here");
    std::filesystem::create_directories(folder / "Folder.xcodeproj/project.pbxproj");
    folder.write("Broken.xcodeproj/project.pbxproj",
                 "// !$*UTF8*$!\n{\n\tobjects = {\n\t\tA = {isa = PBXGroup;\n\t\t\tname = ;\n");
    folder.write("Shapeless.xcodeproj/project.pbxproj", "( a, b )");
    struct Case {
        std::string xcodeprojPath;
        std::string message;
    } cases[] = {
        {"", "No path to xcodeproj given"},
        {folder / "Empty.xcodeproj",
         "The project.pbxproj file cannot be found: " + folder / "Empty.xcodeproj/project.pbxproj"},
        {folder / "Missing.xcodeproj",
         "The project.pbxproj file cannot be found: " + folder / "Missing.xcodeproj/project.pbxproj"},
        {folder / "Folder.xcodeproj",
         "A directory exists where the project.pbxproj file should be: " + folder / "Folder.xcodeproj/project.pbxproj"},
        // A file that does not parse: where and what, as the reader says it.
        {folder / "Broken.xcodeproj",
         "The contents of the project.pbxproj file cannot be read: " + folder / "Broken.xcodeproj/project.pbxproj" +
             ":5: expected a value for the key \"name\" but found ';'"},
        {folder / "Shapeless.xcodeproj",
         "The contents of the project.pbxproj file cannot be read: " + folder / "Shapeless.xcodeproj/project.pbxproj" +
             ": the project file is not a dictionary at its top level"},
    };
    for (const auto &c : cases) {
        XAProject project(c.xcodeprojPath);
        XAFakeXcodebuild fake;
        project.setXcodebuildRunnerForTesting(fake.runner());
        XAProgressRecorder recorder;
        EXPECT_FALSE(project.loadProject(recorder.handler())) << c.xcodeprojPath;
        ASSERT_EQ(recorder.messages().size(), 1u) << c.xcodeprojPath;
        EXPECT_EQ(recorder.messages()[0].kind(), XAProgressMessageKindError);
        EXPECT_EQ(recorder.messages()[0].message(), c.message);
        EXPECT_THAT(fake.calls(), IsEmpty()) << "a failed read must not ask xcodebuild";
        EXPECT_THAT(project.targets(), IsEmpty());
        EXPECT_FALSE(project.readPbxproj(nullptr)) << "no handler, same result";
    }
}

TEST(XAProjectLoading, LoadsTheFixtureAndNeverWritesIntoItsFolder) {
    XAScratchFolder folder;
    std::filesystem::copy(TESSARY_FIXTURES_DIR "/projects/iOSApp", folder.path(),
                          std::filesystem::copy_options::recursive);
    const auto before = snapshot(folder.path());

    XAProject project(folder / "iOSApp.xcodeproj");
    XAFakeXcodebuild fake;
    prepare(fake, {"Debug", "Release"}, {"iOSApp", "iOSAppTests"});
    project.setXcodebuildRunnerForTesting(fake.runner());
    XAProgressRecorder recorder;
    ASSERT_TRUE(project.loadProject(recorder.handler()));

    EXPECT_THAT(recorder.texts(XAProgressMessageKindError), IsEmpty());
    EXPECT_THAT(recorder.texts(XAProgressMessageKindWarning), IsEmpty());
    EXPECT_EQ(fake.calls().size(), 2u);
    for (const auto &target : project.targets()) {
        for (const char *configuration : {"Debug", "Release"}) {
            auto settings = project.resolvedBuildSettingsForTarget(*target, configuration);
            ASSERT_TRUE(settings) << target->name() << " " << configuration;
            EXPECT_EQ(settings->at("CONFIGURATION"), configuration);
        }
    }
    EXPECT_EQ(snapshot(folder.path()), before);
}

TEST(XAProjectLoading, ProjectFileFactsOfTheFixtures) {
    auto iOS = readProject(kIOSAppXcodeproj);
    EXPECT_EQ(iOS->projectName(), "iOSApp");
    EXPECT_EQ(iOS->projectDiskRootPath(), xa_stringByStandardizingPath(TESSARY_FIXTURES_DIR "/projects/iOSApp"));
    EXPECT_EQ(iOS->pbxprojPath(), kIOSAppXcodeproj + "/project.pbxproj");
    EXPECT_EQ(iOS->objectVersion(), "46");
    EXPECT_TRUE(iOS->isSupportedProjectFormatVersion());
    EXPECT_EQ(iOS->XcodeCompatibilityVersion(), "Xcode 3.2");
    EXPECT_EQ(iOS->organizationName(), "Fixture Makers");
    EXPECT_EQ(iOS->classPrefix(), "IA");
    EXPECT_THAT(iOS->knownRegions(), ElementsAre("en", "Base"));
    EXPECT_EQ(iOS->developmentRegion(), "English");
    EXPECT_EQ(iOS->developmentRegionTwoCharISOCode(), "en");
    EXPECT_TRUE(iOS->localeIdentifierIsDevelopmentRegion("en"));
    EXPECT_TRUE(iOS->localeIdentifierIsDevelopmentRegion("English"));
    EXPECT_FALSE(iOS->localeIdentifierIsDevelopmentRegion("de"));
    EXPECT_TRUE(iOS->projectModificationDate());

    auto mac = readProject(kMacAppXcodeproj);
    EXPECT_EQ(mac->developmentRegionTwoCharISOCode(), "de");
    EXPECT_EQ(mac->organizationName(), std::nullopt);
    EXPECT_EQ(mac->classPrefix(), std::nullopt);
    XAProjectFileTextSettings text = mac->editorTextSettings();
    EXPECT_EQ(text.indentMode, 1);
    EXPECT_EQ(text.tabWidth, 8);
    EXPECT_EQ(text.indentWidth, 8);
    EXPECT_EQ(text.wrapLines, std::nullopt);
    EXPECT_EQ(iOS->editorTextSettings().indentMode, 0);
}

TEST(XAProjectLoading, PathsDerivedFromTheXcodeprojPath) {
    XAProject project("/a/b/My App.xcodeproj");
    EXPECT_EQ(project.projectName(), "My App");
    EXPECT_EQ(project.projectDiskRootPath(), "/a/b");
    EXPECT_EQ(project.pbxprojPath(), "/a/b/My App.xcodeproj/project.pbxproj");
    EXPECT_EQ(project.objectVersion(), "(null)");
    EXPECT_EQ(project.projectHash(), std::nullopt);
    EXPECT_EQ(project.projectModificationDate(), std::nullopt);
    EXPECT_EQ(XAProject::cacheKeyForTargetName("App", "Debug"), "target-App__buildconfig-Debug");
    EXPECT_EQ(project.buildSettingCacheKeyForTargetName("App", "Debug"),
              "org.quenby.ResolvedBuildSettings_/a/b__App__Debug");
    EXPECT_EQ(XAProject("/a/b/../c/./P.xcodeproj").projectDiskRootPath(), "/a/c");
}

TEST(XAProjectLoading, RegionsAreCanonicalised) {
    struct Case {
        const char *region;
        const char *code;
    } cases[] = {{"English", "en"}, {"German", "de"}, {"Japanese", "ja"}, {"French", "fr"},
                 {"Dutch", "nl"},   {"en", "en"},     {"pt-BR", "pt_BR"}, {"zh-Hans", "zh_Hans"}};
    for (const auto &c : cases) {
        XAScratchFolder folder;
        XATestProjectBuilder builder = XAOneTargetProject();
        builder.project("G_MAIN", {"T_APP"}, "L_PROJ", {{"developmentRegion", c.region}});
        auto project = readProject(builder.write(folder, "P"));
        EXPECT_EQ(project->developmentRegionTwoCharISOCode(), c.code) << c.region;
        EXPECT_TRUE(project->localeIdentifierIsDevelopmentRegion(c.code)) << c.region;
    }
}

TEST(XAProjectLoading, ProjectHashIsTheDigestOfTheProjectFileText) {
    XAScratchFolder folder;
    const std::string path = XAOneTargetProject().write(folder, "P");
    auto project = readProject(path);
    auto text = XAContentsOfFile(path + "/project.pbxproj", nullptr);
    ASSERT_TRUE(text);
    EXPECT_EQ(project->projectHash(), xa_SHA1Hash(*text));
    EXPECT_EQ(project->projectHash()->size(), 40u);

    folder.write("P.xcodeproj/project.pbxproj", *text + "// \xff\xfe not UTF-8\n");
    EXPECT_EQ(project->projectHash(), std::nullopt);
}

TEST(XAProjectLoading, EditorTextSettingsReadOnlyTextValues) {
    struct Case {
        XADictionary mainGroupExtras;
        std::int64_t indentMode;
        std::optional<std::int64_t> tabWidth, indentWidth, wrapLines;
    } cases[] = {
        {{{"usesTabs", "0"}, {"tabWidth", "4"}, {"indentWidth", "2"}, {"wrapsLines", "1"}}, 2, 4, 2, 1},
        {{{"usesTabs", "1"}}, 1, std::nullopt, std::nullopt, std::nullopt},
        {{{"usesTabs", "YES"}, {"tabWidth", "wide"}}, 2, 0, std::nullopt, std::nullopt},
        {{{"usesTabs", XAValue(XAValue::Array{})}, {"tabWidth", XAValue(XADictionary{})}},
         0,
         std::nullopt,
         std::nullopt,
         std::nullopt},
        {{}, 0, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto &c : cases) {
        XAScratchFolder folder;
        XATestProjectBuilder builder = XAOneTargetProject();
        XADictionary group = *builder.objects.get("G_MAIN")->dictionary();
        for (const auto &[key, value] : c.mainGroupExtras) {
            group.set(key, value);
        }
        builder.add("G_MAIN", group);
        XAProjectFileTextSettings settings = readProject(builder.write(folder, "P"))->editorTextSettings();
        EXPECT_EQ(settings.indentMode, c.indentMode);
        EXPECT_EQ(settings.tabWidth, c.tabWidth);
        EXPECT_EQ(settings.indentWidth, c.indentWidth);
        EXPECT_EQ(settings.wrapLines, c.wrapLines);
    }
}

TEST(XAProjectValidation, WarnsAboutUnsupportedFormatVersions) {
    struct Case {
        const char *objectVersion;
        const char *compatibilityVersion;
        std::optional<std::string> quotedFormat;
    } cases[] = {
        {"44", "", "ObjectVersion 44"},
        {"49", " \t", "ObjectVersion 49"},
        {"56", "Xcode 14.0", "Xcode 14.0"},
        {"46", "", std::nullopt},
        {"45", "Xcode 3.1", std::nullopt},
        // A newer Xcode's object version in a project kept compatible with a listed format.
        {"54", "Xcode 3.2", std::nullopt},
        {"50", " Xcode 8.0 ", std::nullopt},
        {"52", "Xcode 9.3", "Xcode 9.3"},
    };
    for (const auto &c : cases) {
        XAScratchFolder folder;
        XATestProjectBuilder builder = XAOneTargetProject();
        builder.project("G_MAIN", {"T_APP"}, "L_PROJ", {{"compatibilityVersion", c.compatibilityVersion}});
        auto project = readProject(builder.write(folder, "P", c.objectVersion));
        XAProgressRecorder recorder;
        EXPECT_TRUE(project->validateProject(recorder.handler()));
        if (c.quotedFormat) {
            EXPECT_THAT(recorder.texts(XAProgressMessageKindWarning),
                        ElementsAre("The Xcode project format is \"" + *c.quotedFormat +
                                    "\". Tessary supports Xcode projects that are Xcode 8.0 or 6.3 or 3.2 or 3.1 "
                                    "-compatible. Some features may not work correctly."))
                << c.objectVersion;
        } else {
            EXPECT_THAT(recorder.messages(), IsEmpty()) << c.objectVersion;
        }
        EXPECT_TRUE(project->validateProject(nullptr));
    }
}

TEST(XAProjectValidation, WarnsOnceAboutEachNonASCIIName) {
    XAScratchFolder folder;
    XATestProjectBuilder builder = XAOneTargetProject();
    builder.target("T_APP", "Caf\u00e9", "com.apple.product-type.application", {"P_SRC"}, "L_APP");
    builder.target("T_TWO", "Caf\u00e9", "com.apple.product-type.application", {}, "L_APP");
    builder.configurationList("L_PROJ", {builder.configuration("C_D", "D\u00e9bogage"), "C_R"});
    builder.project("G_MAIN", {"T_APP", "T_TWO"}, "L_PROJ");
    XAProject project(builder.write(folder, "Pr\u00f6ject"));
    XAFakeXcodebuild fake;
    prepare(fake, {"D\u00e9bogage", "Release"}, {"Caf\u00e9"});
    project.setXcodebuildRunnerForTesting(fake.runner());
    XAProgressRecorder recorder;
    ASSERT_TRUE(project.loadProject(recorder.handler()));

    auto warning = [](const std::string &kind, const std::string &name) {
        return "The " + kind + " name (" + name +
               ") contains non-ASCII code points. Xcode developer tools such as xcodebuild contain bugs that may be "
               "triggered by this. If you encounter problems, try changing this name to contain only ASCII "
               "characters.";
    };
    EXPECT_THAT(recorder.texts(XAProgressMessageKindWarning),
                ElementsAre(warning("project", "Pr\u00f6ject"), warning("target 'Caf\u00e9'", "Caf\u00e9"),
                            warning("build configuration 'D\u00e9bogage'", "D\u00e9bogage")));
}

TEST(XAProjectTargetsAndConfigurations, AreFoundByNameAndRole) {
    auto project = readProject(kIOSAppXcodeproj);
    EXPECT_THAT(namesOf(project->targets()), ElementsAre("iOSApp", "iOSAppTests"));
    EXPECT_THAT(namesOf(project->buildConfigurations()), ElementsAre("Debug", "Release"));
    EXPECT_EQ(project->targets()[0]->projectDiskRootPath(), project->projectDiskRootPath());
    EXPECT_EQ(project->targets()[0], project->targets()[0]) << "targets are made once";

    EXPECT_EQ(project->targetForName("iOSAppTests"), project->targets()[1]);
    EXPECT_EQ(project->targetForName("iosapp"), nullptr);
    EXPECT_EQ(project->primaryTarget()->name(), "iOSApp");
    EXPECT_EQ(project->primaryAppTarget()->name(), "iOSApp");
    EXPECT_EQ(project->buildConfigurationForName("Release")->name(), "Release");
    EXPECT_EQ(project->buildConfigurationForName("release"), nullptr);
    EXPECT_EQ(project->defaultBuildConfiguration()->name(), "Release");
    EXPECT_TRUE(project->usesBuildConfigurationFiles());
    EXPECT_EQ(*project->buildConfigurations()[0]->configFile()->pathOnDisk(),
              project->projectDiskRootPath() + "/Config/Shared.xcconfig");
}

TEST(XAProjectTargetsAndConfigurations, PrimaryTargetsWithoutATargetNamedLikeTheProject) {
    XAScratchFolder folder;
    XATestProjectBuilder builder = XAOneTargetProject();
    builder.target("T_TESTS", "Tests", "com.apple.product-type.bundle.unit-test", {}, "L_APP");
    builder.project("G_MAIN", {"T_TESTS", "T_APP"}, "L_PROJ");
    auto project = readProject(builder.write(folder, "Other"));
    EXPECT_EQ(project->primaryTarget()->name(), "Tests");
    EXPECT_EQ(project->primaryAppTarget()->name(), "App");
    EXPECT_FALSE(project->usesBuildConfigurationFiles());

    builder.project("G_MAIN", {"T_TESTS"}, "L_PROJ");
    auto noApp = readProject(builder.write(folder, "NoApp"));
    EXPECT_EQ(noApp->primaryAppTarget(), nullptr);

    builder.project("G_MAIN", {}, "L_MISSING");
    auto empty = readProject(builder.write(folder, "Empty"));
    EXPECT_EQ(empty->primaryTarget(), nullptr);
    EXPECT_THAT(empty->buildConfigurations(), IsEmpty());
    EXPECT_EQ(empty->defaultBuildConfiguration(), nullptr);
}

TEST(XAProjectTargetsAndConfigurations, ConcurrentFirstUseMakesOneSetOfTargets) {
    auto project = readProject(kIOSAppXcodeproj);
    std::vector<std::vector<std::shared_ptr<XAProjectTarget>>> seen(8);
    {
        std::vector<std::jthread> threads;
        for (auto &targets : seen) {
            threads.emplace_back([&project, &targets] { targets = project->targets(); });
        }
    }
    for (const auto &targets : seen) {
        EXPECT_EQ(targets, seen.front());
    }
}

TEST(XAProjectFiles, FilesAreFoundByPathAndKind) {
    auto project = readProject(kIOSAppXcodeproj);
    EXPECT_FALSE(project->files().empty());
    const std::string root = project->projectDiskRootPath();
    auto main = project->projectFileWithPath(root + "/iOSApp/./Config/../main.m");
    ASSERT_TRUE(main);
    EXPECT_EQ(main->name(), "main.m");
    EXPECT_EQ(project->projectFileWithPath(root + "/nowhere.m"), nullptr);
    EXPECT_TRUE(project->isLocalized());
    EXPECT_FALSE(project->containsSwiftCode());
    EXPECT_FALSE(project->containsAnnotationHeader());
    EXPECT_EQ(project->annotationHeaderInstallDirPath(), root + "/iOSApp");

    XAProject unread("/a/b/P.xcodeproj");
    EXPECT_THAT(unread.files(), IsEmpty());
    EXPECT_EQ(unread.projectFileWithPath("/a/b/main.m"), nullptr);
}

TEST(XAProjectFiles, SwiftCodeAnnotationHeaderAndAMissingMainFile) {
    XAScratchFolder folder;
    XATestProjectBuilder builder = XAOneTargetProject({}, {"F_SWIFT", "F_NOTES"});
    builder.fileReference("F_SWIFT", "View.swift", "sourcecode.swift");
    builder.fileReference("F_NOTES", "Support/TessaryAnnotations.h", "sourcecode.c.h");
    auto project = readProject(builder.write(folder, "P"));
    EXPECT_TRUE(project->containsSwiftCode());
    EXPECT_TRUE(project->containsAnnotationHeader());
    EXPECT_FALSE(project->isLocalized());
    EXPECT_EQ(project->annotationHeaderInstallDirPath(), folder.path()) << "main.m is not on disk";

    folder.write("main.m", "int main(void) { return 0; }\n");
    EXPECT_EQ(project->annotationHeaderInstallDirPath(), folder.path());
    folder.write("Sub/main.m", "");
    builder.fileReference("F_MAIN", "Sub/main.m", "sourcecode.c.objc");
    auto nested = readProject(builder.write(folder, "Nested"));
    EXPECT_EQ(nested->annotationHeaderInstallDirPath(), folder / "Sub");
}
