#include "core/XAUserDefaults.h"

#include "XAPathsTestSupport.h"
#include "core/XAJSON.h"
#include "core/XALog.h"
#include "core/XAPaths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The user's store kept in a scratch configuration folder, forgotten before and after each test.
class XAUserDefaultsTest : public ::testing::Test {
protected:
    XAUserDefaultsTest() { XAUserDefaults::resetForTesting(); }
    ~XAUserDefaultsTest() override { XAUserDefaults::resetForTesting(); }

    // The file as a value, or no value when it is missing or no JSON object.
    std::optional<XAValue> storedFile() const {
        const std::optional<std::string> text = XAContentsOfFile(file, nullptr);
        return text ? XAValueFromJSON(*text, false, file, nullptr) : std::nullopt;
    }

    XAScratchFolder scratch;
    XAScopedEnvironmentVariable config{"XDG_CONFIG_HOME", scratch.path()};
    std::string file = scratch / "tessary/defaults.json";
    XAUserDefaults &defaults = XAUserDefaults::standard();
};

TEST_F(XAUserDefaultsTest, WithoutAFileEverySettingReadsFalseOrNothing) {
    EXPECT_EQ(defaults.filePath(), file);
    EXPECT_FALSE(xa_askToSaveProjectConfig(defaults));
    EXPECT_FALSE(xa_offerProjectConfigWizardIfNoConfigFile(defaults));
    EXPECT_FALSE(xa_sendContactInfoInCrashReports(defaults));
    EXPECT_FALSE(xa_notifyAboutNewRulesForEachProject(defaults));
    EXPECT_FALSE(xa_useHorribleHackForOpeningFilesInXcode(defaults));
    EXPECT_FALSE(xa_uberVerboseLogging(defaults));
    EXPECT_FALSE(xa_debugFeaturesEnabled(defaults));
    EXPECT_FALSE(xa_determineBuildSettingsSerially(defaults));
    EXPECT_EQ(xa_crashReportPolicy(defaults), 0);
    EXPECT_EQ(xa_selectedDocsBrowserBundleId(defaults), std::nullopt);
    EXPECT_EQ(xa_selectedCodeEditorBundleId(defaults), std::nullopt);
    EXPECT_EQ(xa_clangVersionToUse(defaults), std::nullopt);
    EXPECT_FALSE(fs::exists(file)); // reading creates nothing
}

TEST_F(XAUserDefaultsTest, TheApplicationsRegisteredDefaultsHoldUntilAValueIsStoredAndAreNeverSaved) {
    xa_registerAppDefaults(defaults);
    EXPECT_TRUE(xa_askToSaveProjectConfig(defaults));
    EXPECT_TRUE(xa_offerProjectConfigWizardIfNoConfigFile(defaults));
    EXPECT_TRUE(xa_sendContactInfoInCrashReports(defaults));
    EXPECT_TRUE(xa_notifyAboutNewRulesForEachProject(defaults));
    EXPECT_FALSE(xa_useHorribleHackForOpeningFilesInXcode(defaults));
    EXPECT_FALSE(xa_uberVerboseLogging(defaults));

    xa_setAskToSaveProjectConfig(defaults, false);
    EXPECT_FALSE(xa_askToSaveProjectConfig(defaults));
    EXPECT_EQ(storedFile(), XAValue(XADictionary{{"askToSaveProjectConfig", false}}));
}

TEST_F(XAUserDefaultsTest, StoredSettingsAreSavedAtOnceAndReadBackByTheNextRun) {
    xa_setUberVerboseLogging(defaults, true);
    xa_setDebugFeaturesEnabled(defaults, true);
    xa_setDetermineBuildSettingsSerially(defaults, true);
    xa_setUseHorribleHackForOpeningFilesInXcode(defaults, true);
    xa_setNotifyAboutNewRulesForEachProject(defaults, false);
    xa_setClangVersionToUse(defaults, "llvm19");
    xa_setSelectedDocsBrowserBundleId(defaults, "org.example.docs");
    xa_setCrashReportPolicy(defaults, 2);
    EXPECT_EQ(storedFile(), XAValue(XADictionary{
                                {"uberVerboseLogging", true},
                                {"enableDebugFeatures", true},
                                {"determineBuildSettingsSerially", true},
                                {"useHorribleHackForOpeningFilesInXcode", true},
                                {"notifyAboutNewRulesForEachProject", false},
                                {"clangVersionToUse", "llvm19"},
                                {"docsBrowserBundleId", "org.example.docs"},
                                {"CrashReportingPolicy", "never"},
                            }));

    XAUserDefaults::resetForTesting(); // as a new run
    xa_registerAppDefaults(defaults);
    EXPECT_TRUE(xa_uberVerboseLogging(defaults));
    EXPECT_TRUE(xa_debugFeaturesEnabled(defaults));
    EXPECT_TRUE(xa_determineBuildSettingsSerially(defaults));
    EXPECT_TRUE(xa_useHorribleHackForOpeningFilesInXcode(defaults));
    EXPECT_FALSE(xa_notifyAboutNewRulesForEachProject(defaults)); // the stored value wins over the registered one
    EXPECT_EQ(xa_clangVersionToUse(defaults), "llvm19");
    EXPECT_EQ(xa_selectedDocsBrowserBundleId(defaults), "org.example.docs");
    EXPECT_EQ(xa_crashReportPolicy(defaults), 2);
}

TEST_F(XAUserDefaultsTest, CrashReportPolicyReadsOnlyItsTwoStoredFormsAndStoresAskAsNoKey) {
    const std::vector<std::pair<XAValue, int64_t>> storedForms = {{"always", 1}, {"never", 2}, {"sometimes", 0},
                                                                  {"Always", 0}, {"", 0},      {1, 0}};
    for (const auto &[value, policy] : storedForms) {
        defaults.setObject("CrashReportingPolicy", value);
        EXPECT_EQ(xa_crashReportPolicy(defaults), policy) << value.description();
    }

    const std::vector<std::pair<int64_t, std::optional<std::string>>> set = {
        {1, "always"}, {2, "never"}, {0, std::nullopt}, {2, "never"}, {7, std::nullopt}, {-1, std::nullopt}};
    for (const auto &[policy, form] : set) {
        xa_setCrashReportPolicy(defaults, policy);
        const std::optional<XAValue> stored = storedFile();
        ASSERT_TRUE(stored);
        const XAValue *saved = stored->get("CrashReportingPolicy");
        EXPECT_EQ(saved ? saved->description() : "(absent)", form ? XAValue(*form).description() : "(absent)")
            << policy;
        EXPECT_EQ(xa_crashReportPolicy(defaults), form ? policy : 0);
    }

    EXPECT_THAT(xa_crashReportPolicyValues(), ::testing::ElementsAre("", "always", "never"));
    EXPECT_THAT(xa_crashReportPolicyDisplayNames(),
                ::testing::ElementsAre("Ask each time", "Send automatically", "Never send"));
}

TEST_F(XAUserDefaultsTest, SettingAStringToNothingRemovesItsKey) {
    xa_setSelectedCodeEditorBundleId(defaults, "org.example.editor");
    EXPECT_EQ(xa_selectedCodeEditorBundleId(defaults), "org.example.editor");
    xa_setSelectedCodeEditorBundleId(defaults, std::nullopt);
    EXPECT_EQ(xa_selectedCodeEditorBundleId(defaults), std::nullopt);
    EXPECT_EQ(storedFile(), XAValue(XADictionary{}));
}

TEST_F(XAUserDefaultsTest, BooleansAndStringsReadLikeTheirStoredForms) {
    const std::vector<std::pair<XAValue, bool>> cases = {
        {true, true}, {false, false}, {1, true},      {0, false},     {0.5, true},
        {0.0, false}, {"YES", true},  {"true", true}, {"True", true}, {"12abc", true},
        {"-1", true}, {"no", false},  {"000", false}, {"x", false},   {XAValue::Array{}, false},
    };
    for (const auto &[value, reads] : cases) {
        defaults.setObject("uberVerboseLogging", value);
        EXPECT_EQ(xa_uberVerboseLogging(defaults), reads) << value.description();
    }
    defaults.setObject("clangVersionToUse", 19);
    EXPECT_EQ(xa_clangVersionToUse(defaults), std::nullopt); // a number is no string
}

TEST_F(XAUserDefaultsTest, AnUnreadableFileIsReportedAndKeptUntilAValueIsSet) {
    for (const std::string contents : {"{\"uberVerboseLogging\": tru", "[true]", ""}) {
        SCOPED_TRACE(contents);
        XAUserDefaults::resetForTesting();
        fs::remove(file + ".corrupt");
        scratch.write("tessary/defaults.json", contents);

        const int savedTargets = XALogTargets();
        std::vector<std::string> warnings;
        XASetLogTargets(XALogTargetNotification);
        XASetLogNotificationHandler([&](int level, const std::string &line) {
            if (level == XALogLevelWarning) {
                warnings.push_back(line);
            }
        });
        EXPECT_FALSE(xa_uberVerboseLogging(defaults));
        EXPECT_FALSE(xa_debugFeaturesEnabled(defaults));
        EXPECT_EQ(XAContentsOfFile(file, nullptr), contents); // reading leaves the file alone
        xa_setDebugFeaturesEnabled(defaults, true);
        XASetLogNotificationHandler(nullptr);
        XASetLogTargets(savedTargets);

        ASSERT_EQ(warnings.size(), 2u);
        EXPECT_THAT(warnings[0], ::testing::HasSubstr(file));
        EXPECT_THAT(warnings[1], ::testing::HasSubstr(file + ".corrupt"));
        EXPECT_EQ(XAContentsOfFile(file + ".corrupt", nullptr), contents);
        EXPECT_EQ(storedFile(), XAValue(XADictionary{{"enableDebugFeatures", true}}));
    }
}

TEST_F(XAUserDefaultsTest, AValueThatCannotBeSavedStillHoldsForTheRun) {
    scratch.write("tessary", "a file where the folder should be");
    EXPECT_FALSE(defaults.setBool("enableDebugFeatures", true));
    EXPECT_TRUE(xa_debugFeaturesEnabled(defaults));
}

TEST(XAUserDefaultsStoreTest, ConcurrentChangesAreAllSaved) {
    XAScratchFolder scratch;
    const std::string path = scratch / "sub/settings.json";
    {
        XAUserDefaults store(path);
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t) {
            threads.emplace_back([&store, t] {
                for (int i = 0; i < 10; ++i) {
                    store.setObject("key" + std::to_string(t) + "_" + std::to_string(i), i);
                    EXPECT_EQ(store.objectForKey("key" + std::to_string(t) + "_0"), XAValue(0));
                }
            });
        }
        for (std::thread &thread : threads) {
            thread.join();
        }
    }
    const XAUserDefaults reread(path);
    for (int t = 0; t < 8; ++t) {
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(reread.objectForKey("key" + std::to_string(t) + "_" + std::to_string(i)), XAValue(i));
        }
    }
}

} // namespace
