// The compiler arguments of release builds held against two lists: arguments every file must be compiled with (by
// default the definitions that switch assertions off) and arguments no file may be compiled with. Judged once per
// file at its translation unit; files compiled alike give equal findings, which the run shows once.

#include "codemodel/XACompilationInfo.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XAProjectBuildConfiguration.h"

#include <algorithm>

namespace {

constexpr const char *kRequiredArguments = "requiredArguments";
constexpr const char *kDisallowedArguments = "disallowedArguments";

// What is known of a required argument.
struct KnownArgument {
    const char *argument;
    XADiagnosticImpact impact;
    XADiagnosticSeverity severity;
    const char *description;
};

constexpr KnownArgument kKnownRequiredArguments[] = {
    {"-DNS_BLOCK_ASSERTIONS", XADiagnosticImpactFunctionality, XADiagnosticSeverityError,
     "This argument disables Foundation assertion macros."},
    {"-DNDEBUG", XADiagnosticImpactFunctionality, XADiagnosticSeverityError,
     "This argument disables the C standard library assertion macro (as defined in <code>assert.h</code>)."},
};

const KnownArgument *knownRequiredArgument(const std::string &argument) {
    for (const KnownArgument &known : kKnownRequiredArguments) {
        if (argument == known.argument) {
            return &known;
        }
    }
    return nullptr;
}

// A definition without a value ("-DNDEBUG") is also given by the same definition with one ("-DNDEBUG=1"); anything
// else must appear exactly.
bool isUsed(const std::string &argument, const std::vector<std::string> &compilerArguments) {
    const bool matchesWithValue = argument.starts_with("-D") && argument.find('=') == std::string::npos;
    return std::any_of(compilerArguments.begin(), compilerArguments.end(), [&](const std::string &used) {
        return used == argument || (matchesWithValue && used.starts_with(argument + "="));
    });
}

} // namespace

struct XARuleReleaseBuildCompilerArgs : XACursorRule<XARuleReleaseBuildCompilerArgs> {
    static XAXMLString ruleName() { return XAXMLString("Problematic release build compiler arguments"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("For release builds, warns when some expected arguments are missing or some unexpected "
                           "arguments are present.");
    }
    static bool appliesToContext(XARuleContext &context) {
        return context.projectBuildConfig() && context.projectBuildConfig()->isReleaseConfiguration();
    }
    static std::string applicationConditionDescription() { return "Applies to release builds."; }
    static std::vector<std::string> tags() { return {"Recommended", "Config"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kRequiredArguments, "Required compiler arguments for all files",
                                                 "Warn whenever any of these arguments is not present.",
                                                 XAOptionValue::stringArray({"-DNS_BLOCK_ASSERTIONS", "-DNDEBUG"}),
                                                 XAOptionValueTypeStringArray),
                XARuleOption::ruleOptionWithName(kDisallowedArguments, "Disallowed compiler arguments for all files",
                                                 "Warn whenever any of these arguments is present.",
                                                 XAOptionValue::stringArray({}), XAOptionValueTypeStringArray)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_TranslationUnit}; }

    static XADiagnostics applyToCursor(CXCursor, int kind, XARuleContext &context,
                                       const XACompilationInfo &compilationInfo) {
        XADiagnostics diagnostics;
        if (kind != CXCursor_TranslationUnit) {
            return diagnostics;
        }
        const std::vector<std::string> compilerArguments =
            compilationInfo.originalCompilerArgs().value_or(std::vector<std::string>{});
        for (const std::string &argument : stringsForOption(kRequiredArguments, context)) {
            if (!isUsed(argument, compilerArguments)) {
                diagnostics.push_back(diagnosticForArgument(
                    argument, "Required compiler argument <code>" + xa_escapedForXML(argument) + "</code> is not used.",
                    knownRequiredArgument(argument)));
            }
        }
        for (const std::string &argument : stringsForOption(kDisallowedArguments, context)) {
            if (isUsed(argument, compilerArguments)) {
                diagnostics.push_back(diagnosticForArgument(
                    argument, "Disallowed compiler argument <code>" + xa_escapedForXML(argument) + "</code> is used.",
                    nullptr));
            }
        }
        return diagnostics;
    }

private:
    // About the release build's arguments rather than one file: no file.
    static XADiagnostic diagnosticForArgument(const std::string &argument, const std::string &sentence,
                                              const KnownArgument *known) {
        const std::string info = known ? sentence + " " + known->description : sentence;
        return diagnosticWithFile(std::nullopt, XAXMLString(info), argument,
                                  known ? known->impact : XADiagnosticImpactFunctionality,
                                  known ? known->severity : XADiagnosticSeverityError, XADiagnosticConfidenceAbsolute);
    }
};

TESSARY_REGISTER_RULE(XARuleReleaseBuildCompilerArgs)
