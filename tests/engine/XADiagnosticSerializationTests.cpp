#include "engine/XADiagnosticSerialization.h"

#include "XADiagnosticTestSupport.h"
#include "core/XAJSON.h"
#include "core/XAPathsTestSupport.h"
#include "core/XAPropertyList.h"
#include "engine/XASaveDiagnosticsOperation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAreArray;

namespace {

std::vector<std::string> keysOf(const XAValue &value) {
    std::vector<std::string> keys;
    for (const auto &[key, ignored] : *value.dictionary()) {
        keys.push_back(key);
    }
    return keys;
}

XADiagnostic bareDiagnostic() {
    XATestDiagnosticFields fields;
    fields.start = std::nullopt;
    fields.end = std::nullopt;
    fields.impact = 0;
    return XATestDiagnostic(fields);
}

XAValue readJSON(const std::string &text) {
    XAError error;
    std::optional<XAValue> value = XAValueFromJSON(text, false, "export", &error);
    EXPECT_TRUE(value) << error.message;
    return value.value_or(XAValue());
}

XAValue readPlist(const std::string &text) {
    XAError error;
    std::optional<XAValue> value = XAPropertyListFromData(text, "export", &error);
    EXPECT_TRUE(value) << error.message;
    return value.value_or(XAValue());
}

} // namespace

TEST(XADiagnosticSerializationTest, TheDocumentHoldsExactlyItsKeys) {
    const XAValue root = readJSON(*XADiagnosticSerialization::jsonRepresentationForDiagnostics(
        {XATestDiagnostic(), bareDiagnostic()}, nullptr, nullptr));
    EXPECT_THAT(keysOf(root),
                UnorderedElementsAreArray({"tessaryVersion", "timeStamp", "projectPath", "projectName", "targetName",
                                           "targetBundleVersion", "buildConfigurationName", "projectIconBase64PNG",
                                           "versionControlSystemName", "versionControlRevision", "diagnostics"}));
    const XAValue &diagnostic = root.get("diagnostics")->array()->at(0);
    EXPECT_THAT(keysOf(diagnostic),
                UnorderedElementsAreArray({"ruleShortName", "ruleName", "ruleDescription", "ruleWarning", "info",
                                           "html", "identifier", "file", "context", "extent", "fileSnippet", "impact",
                                           "severityDescription", "severity", "confidenceDescription", "confidence"}));
    EXPECT_THAT(keysOf(*diagnostic.get("html")),
                UnorderedElementsAreArray({"ruleShortName", "ruleName", "ruleDescription", "ruleWarning", "info"}));
    EXPECT_THAT(keysOf(*diagnostic.get("extent")->get("start")),
                UnorderedElementsAreArray({"line", "byteColumn", "byteOffset", "utf16Column", "utf16Offset"}));
    EXPECT_EQ(*diagnostic.get("ruleDescription")->string(), "Finds tests");
    EXPECT_EQ(*diagnostic.get("info")->string(), "x is wrong");
    EXPECT_THAT(*diagnostic.get("html")->get("info")->string(), ::testing::HasSubstr("tessary-codesymbol"));
    EXPECT_EQ(*diagnostic.get("extent")->get("start")->get("byteOffset")->integer(), 40);
    EXPECT_EQ(*diagnostic.get("severity")->integer(), XADiagnosticSeverityWarning);
    EXPECT_EQ(*diagnostic.get("confidenceDescription")->string(), "High");
    // Without a run, the facts about it are empty texts, never nulls.
    EXPECT_EQ(*root.get("projectName")->string(), "");
    EXPECT_EQ(*root.get("versionControlSystemName")->string(), "");
    EXPECT_EQ(*root.get("versionControlRevision")->string(), "");
}

TEST(XADiagnosticSerializationTest, AbsentValuesAreNullInJSONAndLeftOutOfThePropertyList) {
    const XADiagnostics diagnostics = {bareDiagnostic()};
    const XAValue json =
        readJSON(*XADiagnosticSerialization::jsonRepresentationForDiagnostics(diagnostics, nullptr, nullptr))
            .get("diagnostics")
            ->array()
            ->at(0);
    EXPECT_TRUE(json.get("fileSnippet")->isNull());
    EXPECT_TRUE(json.get("ruleWarning")->isNull());
    EXPECT_TRUE(json.get("html")->get("ruleWarning")->isNull());
    EXPECT_EQ(*json.get("impact")->string(), "");
    for (const char *end : {"start", "end"}) {
        for (const char *number : {"line", "byteColumn", "byteOffset", "utf16Column", "utf16Offset"}) {
            EXPECT_EQ(*json.get("extent")->get(end)->get(number)->integer(), 0) << end << " " << number;
        }
    }

    const XAValue plist =
        readPlist(*XADiagnosticSerialization::plistRepresentationForDiagnostics(diagnostics, nullptr, nullptr))
            .get("diagnostics")
            ->array()
            ->at(0);
    EXPECT_EQ(plist.get("fileSnippet"), nullptr);
    EXPECT_EQ(plist.get("ruleWarning"), nullptr);
    EXPECT_EQ(plist.get("html")->get("ruleWarning"), nullptr);
    EXPECT_EQ(*plist.get("impact")->string(), "");
}

TEST(XADiagnosticSerializationTest, FormatNamesAreMatchedWithoutRegardToCase) {
    for (const std::string format : {"json", "JSON", "Json"}) {
        EXPECT_TRUE(
            readJSON(*XADiagnosticSerialization::serializedRepresentationForDiagnostics({}, format, nullptr, nullptr))
                .get("diagnostics")
                ->array()
                ->empty())
            << format;
    }
    for (const std::string format : {"Property List", "property list"}) {
        EXPECT_TRUE(
            readPlist(*XADiagnosticSerialization::serializedRepresentationForDiagnostics({}, format, nullptr, nullptr))
                .get("diagnostics"))
            << format;
    }
    XAError error;
    EXPECT_EQ(XADiagnosticSerialization::serializedRepresentationForDiagnostics({}, "xml", nullptr, &error),
              std::nullopt);
    EXPECT_EQ(error.message, "Unknown serialization format: 'xml'");
    EXPECT_EQ(error.domain, "org.quenby.tessary");
    EXPECT_THAT(XADiagnosticSerialization::supportedSerializationFormats(), ElementsAre("JSON", "Property List"));
    EXPECT_EQ(XADiagnosticSerialization::fileExtensionForSerializationFormat("property LIST"), "plist");
    EXPECT_EQ(XADiagnosticSerialization::fileExtensionForSerializationFormat("xml"), std::nullopt);
}

TEST(XADiagnosticSerializationTest, SavingAppendsTheFormatsExtensionOnlyToAPathWithout) {
    const XAScratchFolder folder;
    struct Case {
        std::string path;
        std::string format;
        std::string written;
    };
    const std::vector<Case> cases = {{"report", "Property List", "report.plist"},
                                     {"report.txt", "Property List", "report.txt"},
                                     {"other", "JSON", "other.json"}};
    for (const Case &c : cases) {
        XASaveDiagnosticsOperation save(nullptr, folder / c.path, c.format);
        save.main();
        EXPECT_TRUE(save.wasSuccessful()) << c.path;
        EXPECT_TRUE(std::filesystem::exists(folder / c.written)) << c.path;
    }
    XASaveDiagnosticsOperation unknown(nullptr, folder / "unknown", "xml");
    unknown.main();
    ASSERT_FALSE(unknown.wasSuccessful());
    EXPECT_EQ(unknown.error()->message, "Unknown serialization format: 'xml'");
    EXPECT_FALSE(std::filesystem::exists(folder / "unknown"));

    XASaveDiagnosticsOperation unwritable(nullptr, folder / "missing/folder/report", "JSON");
    unwritable.main();
    EXPECT_FALSE(unwritable.wasSuccessful());
}
