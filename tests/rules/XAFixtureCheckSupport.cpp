#include "XAFixtureCheckSupport.h"

#include "core/XAMessageQueue.h"
#include "core/XAPaths.h"
#include "engine/XACheckingOperation.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleSet.h"
#include "project/XAProject.h"
#include "ruledriver/XARuleCaseProject.h"

#include <algorithm>
#include <tuple>

namespace {

XAConfiguration configurationWithOptions(const std::vector<const XARuleDescriptor *> &rules,
                                         const XAFixtureRuleOptions &options,
                                         const std::map<std::string, XAOptionValue> &appOptions) {
    XAConfiguration configuration;
    configuration.setValue(false, *XAConfiguration::appOptionWithLongName(XAConfiguration::kCacheBuildLog));
    for (const auto &[name, value] : appOptions) {
        const auto *option = XAConfiguration::appOptionWithLongName(name);
        EXPECT_NE(option, nullptr) << "no application option " << name;
        if (option) {
            configuration.setValue(value, *option);
        }
    }
    for (const XARuleDescriptor *rule : rules) {
        const auto ruleOptions = options.find(rule->shortName);
        if (ruleOptions == options.end()) {
            continue;
        }
        for (const auto &[name, value] : ruleOptions->second) {
            const XARuleOption *option = rule->optionWithLongName(name);
            EXPECT_NE(option, nullptr) << rule->shortName << " has no option " << name;
            if (option) {
                configuration.setValue(value, *option, rule->shortName);
            }
        }
    }
    return configuration;
}

XAFixtureFinding findingOf(const XADiagnostic &diagnostic, const std::string &projectFolder) {
    XAFixtureFinding finding;
    if (const std::optional<std::string> &path = diagnostic.filePath()) {
        finding.file =
            XAPathIsInsideOrEqual(*path, projectFolder) ? xa_relativePathFromPath(*path, projectFolder) : *path;
    }
    finding.line = diagnostic.startPositionBytes() ? diagnostic.startPositionBytes()->line : 0;
    finding.identifier = diagnostic.instanceIdentifier().value_or("");
    finding.info = diagnostic.instanceInfo() ? diagnostic.instanceInfo()->plainString() : "";
    return finding;
}

} // namespace

XAFixtureCheck XACheckFixture(const XAScratchFolder &scratch, const std::string &fixture,
                              const std::vector<std::string> &ruleShortNames, const XAFixtureRuleOptions &options,
                              const XAFixtureCheckAdditions &additions) {
    XARuleCase copyOnly;
    copyOnly.fixture = fixture;
    copyOnly.files = additions.files;
    std::vector<std::string> problems;
    const std::optional<XARuleCaseProject> made =
        XAMakeRuleCaseProject(copyOnly, scratch.path(), TESSARY_FIXTURES_DIR "/projects", problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    if (!made) {
        return {};
    }
    return XACheckProject(made->xcodeprojPath, ruleShortNames, options, additions.appOptions);
}

XAFixtureCheck XACheckProject(const std::string &xcodeprojPath, const std::vector<std::string> &ruleShortNames,
                              const XAFixtureRuleOptions &options,
                              const std::map<std::string, XAOptionValue> &appOptions) {
    XAFixtureCheck check;
    check.projectFolder = xa_stringByDeletingLastPathComponent(xcodeprojPath);

    std::vector<const XARuleDescriptor *> rules;
    for (const std::string &name : ruleShortNames) {
        rules.push_back(XARuleRegistry::shared().ruleWithShortName(name));
        EXPECT_NE(rules.back(), nullptr) << "no rule " << name;
    }
    const XAConfiguration configuration = configurationWithOptions(rules, options, appOptions);
    auto project = XAProject::projectWithXcodeproj(xcodeprojPath);
    XAMessageQueue loading;
    EXPECT_TRUE(project->loadProject(loading.progressHandler())) << loading.formattedErrorMessages();
    auto target = XACheckingOperation::determineTargetForProject(*project, configuration, nullptr);
    auto buildConfig =
        XACheckingOperation::determineBuildConfigForProject(*project, target.get(), configuration, nullptr);
    auto ruleSet = std::make_shared<XARuleSet>();
    ruleSet->rules() = rules;
    auto operation = XACheckingOperation::operationWithProject(project, target, buildConfig, ruleSet, configuration);
    operation->applyRulesWithProgress(nullptr, nullptr, true);

    // A file that does not compile is not shown to the rules: the fixture would pass as clean by not compiling.
    for (const XAProgressMessage &error : operation->progressMessagesOfKind(XAProgressMessageKindCompilerError)
                                              .value_or(std::vector<XAProgressMessage>{})) {
        ADD_FAILURE() << xcodeprojPath << " does not compile: " << error.logMessage();
    }
    for (const XAProgressMessage &message :
         operation->progressMessagesOfKind(XAProgressMessageKindDebug).value_or(std::vector<XAProgressMessage>{})) {
        check.debugMessages.push_back(message.message());
    }
    for (const XADiagnostic &diagnostic : operation->diagnostics().value_or(XADiagnostics{})) {
        check.findings.push_back(findingOf(diagnostic, check.projectFolder));
        check.diagnostics.push_back(diagnostic);
    }
    std::sort(check.findings.begin(), check.findings.end(), [](const auto &a, const auto &b) {
        return std::tie(a.file, a.line, a.info) < std::tie(b.file, b.line, b.info);
    });
    return check;
}
