#include "codemodel/XATranslationUnit.h"

#include "codemodel/XALibclangTestSupport.h"
#include "core/XAPathsTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kTwoNotesPath = kXAParseFixturesDir + "/Diagnostics/TwoNotes.m";
const std::vector<std::string> kObjCArguments = {"-x", "objective-c", "-fobjc-arc", "-target", "arm64-apple-ios12.0"};

class XATranslationUnitTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(XALoadStagedLibclang());
        index_.reset(XALibclang::fn().clang_createIndex(0, 0));
    }

    XATranslationUnitOwner parse(const std::optional<std::string> &path, const std::vector<std::string> &arguments,
                                 XAError *error = nullptr) {
        return XATranslationUnitOwner(XAParseTranslationUnit(index_.get(), path, arguments, 0, error));
    }

    XAClangIndexOwner index_;
};

} // namespace

TEST(XAParseErrorTest, CodesHaveTheirTexts) {
    const std::vector<std::pair<int, std::optional<std::string>>> cases = {
        {0, std::nullopt},
        {1, "Translation unit is NULL"},
        {2, "The Clang compiler crashed"},
        {3, "Arguments violate the function contract"},
        {4, "An AST deserialization error has occurred"},
        {5, std::nullopt},
        {-1, std::nullopt},
    };
    for (const auto &[code, text] : cases) {
        EXPECT_EQ(XAParseErrorMessage(code), text) << code;
        const std::optional<XAError> error = XAParseError(code);
        EXPECT_EQ(error.has_value(), code != 0) << code;
        if (error) {
            EXPECT_EQ(error->code, code);
            EXPECT_EQ(error->domain, "org.quenby.tessary");
            EXPECT_EQ(error->message, text.value_or("libclang error " + std::to_string(code)));
        }
    }
}

TEST_F(XATranslationUnitTest, FailedParsesGiveNoUnitAndTheirError) {
    // Options the loaded libclang does not know make it refuse the parse with a code that speaks of deserialisation;
    // the error names the option instead: a driver option with the value it takes for a second source file, and a
    // front-end option.
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"-index-store-path", "/tmp/index"}, "-index-store-path /tmp/index"},
        {{"-Xclang", "-analyzer-tidy-checker=osx.cocoa.Loops"}, "-Xclang -analyzer-tidy-checker=osx.cocoa.Loops"},
    };
    XAError error;
    for (const auto &[options, named] : refused) {
        std::vector<std::string> arguments = kObjCArguments;
        arguments.insert(arguments.end(), options.begin(), options.end());
        EXPECT_EQ(parse(kTwoNotesPath, arguments, &error), nullptr);
        EXPECT_EQ(error.code, 4);
        EXPECT_EQ(error.message, "The compiler argument '" + named + "' is not accepted by libclang");
    }

    // No index violates the contract; without an error out-parameter only the null unit comes back.
    EXPECT_EQ(XAParseTranslationUnit(nullptr, kTwoNotesPath, kObjCArguments, 0, &error), nullptr);
    EXPECT_EQ(error.code, 3);
    EXPECT_EQ(error.message, "Arguments violate the function contract");
    EXPECT_EQ(XAParseTranslationUnit(nullptr, kTwoNotesPath, kObjCArguments, 0, nullptr), nullptr);
}

TEST_F(XATranslationUnitTest, ASourceFileThatDoesNotExistIsNamedAsTheCause) {
    // A file a generator would write, compiled with a precompiled prefix header that was never made either: the
    // missing source is the cause, not the -include that no trial can accept without it.
    const std::string folder = kXAParseFixturesDir + "/Diagnostics";
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {folder + "/generated.c", {}},
        {"generated.c", {"-working-directory", folder}},
        {"generated.c", {"-working-directory=" + folder}},
    };
    for (const auto &[source, extra] : cases) {
        std::vector<std::string> arguments = {"-x", "c", "-include", folder + "/Missing-Prefix.pch"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        XAError error;
        EXPECT_EQ(parse(source, arguments, &error), nullptr) << source;
        EXPECT_EQ(error.code, 1) << source;
        EXPECT_EQ(error.message, "The source file '" + source + "' does not exist");
    }
    // A relative path that exists in the working folder parses.
    EXPECT_NE(parse("TwoNotes.m", {"-x", "objective-c", "-working-directory", folder}), nullptr);
}

TEST_F(XATranslationUnitTest, SourceMayComeFromTheArgumentsAndArgumentsMayBeNone) {
    std::vector<std::string> arguments = kObjCArguments;
    arguments.push_back(kTwoNotesPath);
    XATranslationUnitOwner fromArguments = parse(std::nullopt, arguments);
    ASSERT_NE(fromArguments, nullptr);
    EXPECT_EQ(XANumberOfErrorDiagnostics(fromArguments.get()), 1u);

    // Without arguments the file is plain Objective-C without ARC, where the same mismatch is a warning only.
    XATranslationUnitOwner withoutArguments = parse(kTwoNotesPath, {});
    ASSERT_NE(withoutArguments, nullptr);
    EXPECT_EQ(XANumberOfErrorDiagnostics(withoutArguments.get()), 0u);
    EXPECT_EQ(XAFormattedDiagnostics(withoutArguments.get()).size(), 1u);
}

TEST_F(XATranslationUnitTest, ADiagnosticIsFollowedByItsNotes) {
    XATranslationUnitOwner unit = parse(kTwoNotesPath, kObjCArguments);
    ASSERT_NE(unit, nullptr);
    const std::string error =
        kTwoNotesPath + ":7:39: error: multiple methods named 'value' found with mismatched result, parameter type "
                        "or attributes";
    EXPECT_EQ(XAFormattedDiagnosticsWithChildren(unit.get()),
              std::vector<std::string>{error + "\n\n  " + kTwoNotesPath + ":2:1: note: one possibility\n\n  " +
                                       kTwoNotesPath + ":5:1: note: also found"});
    EXPECT_EQ(XAFormattedDiagnostics(unit.get()), std::vector<std::string>{error});
    EXPECT_EQ(XANumberOfErrorDiagnostics(unit.get()), 1u);
}

TEST_F(XATranslationUnitTest, WarningsShowTheirOptionAndDoNotCountAsErrors) {
    XAScratchFolder folder;
    const std::string path = folder.write("Unused.c", "int f(void) { int unused; return 0; }\n");
    XATranslationUnitOwner unit = parse(path, {"-Wunused-variable"});
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(XAFormattedDiagnosticsWithChildren(unit.get()),
              std::vector<std::string>{path + ":1:19: warning: unused variable 'unused' [-Wunused-variable]"});
    EXPECT_EQ(XANumberOfErrorDiagnostics(unit.get()), 0u);
}

TEST_F(XATranslationUnitTest, NullUnitsHaveNoDiagnostics) {
    EXPECT_TRUE(XAFormattedDiagnostics(nullptr).empty());
    EXPECT_TRUE(XAFormattedDiagnosticsWithChildren(nullptr).empty());
    EXPECT_EQ(XANumberOfErrorDiagnostics(nullptr), 0u);
    EXPECT_EQ(XAFormattedDiagnosticWithChildren(nullptr), std::nullopt);
}

TEST(XAClangWarningFlagsTest, DefaultOnFlagsAnswerWithAndWithoutTheirPrefix) {
    ASSERT_TRUE(XALoadStagedLibclang());
    const std::set<std::string> &flags = XAClangWarningFlagsEnabledByDefault();
    ASSERT_FALSE(flags.empty());
    EXPECT_EQ(&flags, &XAClangWarningFlagsEnabledByDefault());
    for (const char *flag : {"int-conversion", "-Wint-conversion"}) {
        EXPECT_TRUE(XAClangWarningFlagIsEnabledByDefault(flag)) << flag;
    }
    for (const char *flag : {"unused-variable", "-Wunused-variable", "-W", ""}) {
        EXPECT_FALSE(XAClangWarningFlagIsEnabledByDefault(flag)) << flag;
    }
    for (const std::string &flag : flags) {
        EXPECT_FALSE(flag.starts_with("-W")) << flag;
    }
}

TEST(XAClangDiagnosticCatalogueTest, PrintsTheCataloguesToStandardOutput) {
    ASSERT_TRUE(XALoadStagedLibclang());
    testing::internal::CaptureStdout();
    XAPrintAllClangDiagnostics();
    const std::string diagnostics = testing::internal::GetCapturedStdout();
    testing::internal::CaptureStdout();
    XAPrintAllClangDiagnosticGroups();
    const std::string groups = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(diagnostics.starts_with("Warnings (")) << diagnostics.substr(0, 200);
    EXPECT_NE(diagnostics.find("[-Wint-conversion]"), std::string::npos);
    EXPECT_TRUE(groups.starts_with("Warning groups (")) << groups.substr(0, 200);
}
