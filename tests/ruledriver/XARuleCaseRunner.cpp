#include "ruledriver/XARuleCaseRunner.h"

#include "codemodel/XABuild.h"
#include "core/XAMessageQueue.h"
#include "core/XAPaths.h"
#include "core/XATemporaryFiles.h"
#include "engine/XACursorRulePhase.h"
#include "engine/XARuleContext.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"
#include "ruledriver/XARuleCaseProject.h"

#include <filesystem>
#include <unordered_set>

namespace {

// A folder for one case's project, removed with everything in it when the case is done.
class CaseFolder {
public:
    CaseFolder() : path_(XATemporaryDirectoryPath("tessary-rule-case-XXXXXX").value_or("")) {}
    ~CaseFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    CaseFolder(const CaseFolder &) = delete;
    CaseFolder &operator=(const CaseFolder &) = delete;
    const std::string &path() const { return path_; }

private:
    std::string path_;
};

void addErrorsOf(const XAMessageQueue &queue, const std::string &what, std::vector<std::string> &problems) {
    for (const XAProgressMessage &message : queue.errorProgressMessages()) {
        problems.push_back(what + ": " + message.logMessage());
    }
}

// The errors the rule reported against those the case expects: each expected one must be there, and every one
// reported must be expected.
void compareErrors(const XARuleCase &ruleCase, const XAMessageQueue &ruleMessages, std::vector<std::string> &problems) {
    std::vector<bool> expectationMet(ruleCase.expectedErrors.size());
    for (const XAProgressMessage &message : ruleMessages.errorProgressMessages()) {
        bool expected = false;
        for (std::size_t i = 0; i < ruleCase.expectedErrors.size(); ++i) {
            if (xa_containsSubstring(message.logMessage(), ruleCase.expectedErrors[i].fragment)) {
                expectationMet[i] = expected = true;
            }
        }
        if (!expected) {
            problems.push_back("the rule reported an error: " + message.logMessage());
        }
    }
    for (std::size_t i = 0; i < ruleCase.expectedErrors.size(); ++i) {
        if (!expectationMet[i]) {
            problems.push_back("case file line " + std::to_string(ruleCase.expectedErrors[i].caseFileLine) +
                               ": no error containing \"" + ruleCase.expectedErrors[i].fragment + "\"");
        }
    }
}

// The configuration of the case: no build-log cache, and the case's rule options, each checked against the rule.
XAConfiguration caseConfiguration(const XARuleDescriptor &rule, const XARuleCase &ruleCase,
                                  std::vector<std::string> &problems) {
    XAConfiguration configuration;
    configuration.setValue(false, *XAConfiguration::appOptionWithLongName(XAConfiguration::kCacheBuildLog));
    for (const auto &[name, json] : ruleCase.options) {
        const XARuleOptionGroup *group = nullptr;
        for (const XARuleOptionGroup &candidate : rule.optionGroups) {
            if (candidate.optionWithLongName(name)) {
                group = &candidate;
            }
        }
        if (!group) {
            problems.push_back("the rule " + rule.shortName + " has no option " + name);
            continue;
        }
        const XARuleOption &option = *group->optionWithLongName(name);
        const XAOptionValue value = XAOptionValue::fromValue(json);
        XAError error;
        if (!option.valueIsValid(value, &error)) {
            problems.push_back("the option " + name + " does not take " + json.description() + ": " + error.message);
            continue;
        }
        configuration.setValue(value, option, group->shortName);
    }
    return configuration;
}

// The checked project, target, configuration and build, or problems.
struct CheckedBuild {
    std::shared_ptr<XAProject> project;
    std::shared_ptr<XAProjectTarget> target;
    std::shared_ptr<XAProjectBuildConfiguration> buildConfiguration;
    std::shared_ptr<XABuild> build;
};

std::optional<CheckedBuild> buildCase(const XARuleCaseProject &made, const XAConfiguration &configuration,
                                      std::vector<std::string> &problems) {
    CheckedBuild checked;
    XAMessageQueue loading;
    checked.project = XAProject::projectWithXcodeproj(made.xcodeprojPath);
    if (!checked.project->loadProject(loading.progressHandler())) {
        addErrorsOf(loading, "the case's project does not load", problems);
        return std::nullopt;
    }
    checked.target = checked.project->primaryAppTarget();
    checked.buildConfiguration = made.configurationName
                                     ? checked.project->buildConfigurationForName(*made.configurationName)
                                     : checked.project->defaultBuildConfiguration();
    if (!checked.target || !checked.buildConfiguration) {
        problems.push_back("the case's project has no app target or no such build configuration");
        return std::nullopt;
    }
    checked.build =
        std::make_shared<XABuild>(checked.project, checked.target, checked.buildConfiguration, configuration);
    XAMessageQueue building;
    if (!checked.build->processBuildWithPermissionToProcessPCHs(true, building.progressHandler())) {
        addErrorsOf(building, "the case's project does not build", problems);
        return std::nullopt;
    }
    // As the checking run does before the rules: the XIB and storyboard files of the build are read.
    checked.build->parseAndCacheXIBs();
    return checked;
}

void append(XADiagnostics &all, XADiagnostics found) {
    all.insert(all.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
}

// Every file of the target through the per-file phase of a checking run; a file that does not compile is a problem.
XADiagnostics checkFiles(const XARuleDescriptor &rule, XARuleContext &context, const XABuild &build,
                         std::vector<std::string> &problems) {
    XACursorRulePhase::CompilationInfos infos;
    for (const auto &[path, info] : build.compilationInfosByFilePath()) {
        infos.push_back(info);
    }
    XAMessageQueue compiling;
    XACursorRulePhaseResult result = XACursorRulePhase({&rule}, context, 1).run(infos, compiling.progressHandler());
    addErrorsOf(compiling, "the case does not compile", problems);
    return std::move(result.diagnostics);
}

// The rule's findings in the case, in the order of its phases, without null and repeated ones.
XADiagnostics runRule(const XARuleDescriptor &rule, XARuleContext &context, const XABuild &build,
                      std::vector<std::string> &problems) {
    XADiagnostics found;
    if (rule.appliesToContext && !rule.appliesToContext(context)) {
        return found;
    }
    if (rule.applyWithContext) {
        append(found, rule.applyWithContext(context));
    }
    if (rule.isCursorRule) {
        append(found, rule.applyBeforeCodeWithContext(context));
        append(found, checkFiles(rule, context, build, problems));
        append(found, rule.applyAfterCodeWithContext(context));
    }
    XADiagnostics unique;
    std::unordered_set<XADiagnostic> seen;
    for (XADiagnostic &diagnostic : found) {
        if (!diagnostic.isNullDiagnostic() && seen.insert(diagnostic).second) {
            unique.push_back(std::move(diagnostic));
        }
    }
    return unique;
}

// Holds the findings against the markers and expectations of the case.
class Comparison {
public:
    Comparison(const XARuleCase &ruleCase, const std::string &projectFolder)
        : case_(ruleCase), projectFolder_(projectFolder),
          caseFolder_(xa_stringByAppendingPathComponent(projectFolder, kXARuleCaseFilesFolder)),
          markerMatched_(ruleCase.markers.size()), otherMatched_(ruleCase.otherFindings.size()) {}

    void compare(const XADiagnostics &findings, std::vector<std::string> &problems) {
        for (const XADiagnostic &finding : findings) {
            if (!matchMarker(finding) && !matchOtherFinding(finding)) {
                problems.push_back(describe(finding) + ": a finding without a marker or an expectation");
            }
        }
        for (std::size_t i = 0; i < case_.markers.size(); ++i) {
            const XARuleCaseMarker &marker = case_.markers[i];
            if (!markerMatched_[i]) {
                problems.push_back(marker.fileName + ":" + std::to_string(marker.line) + ":" +
                                   std::to_string(marker.column) + " (case file line " +
                                   std::to_string(marker.caseFileLine) + "): a marker without a finding" +
                                   (marker.identifier ? " with id=" + *marker.identifier : ""));
            }
        }
        for (std::size_t i = 0; i < case_.otherFindings.size(); ++i) {
            const XARuleCaseOtherFinding &expected = case_.otherFindings[i];
            if (!otherMatched_[i]) {
                problems.push_back("case file line " + std::to_string(expected.caseFileLine) + ": no finding " +
                                   (expected.path ? "in " + *expected.path : "without a file") +
                                   (expected.identifier ? " with id=" + *expected.identifier : ""));
            }
        }
        problems.insert(problems.end(), infoProblems_.begin(), infoProblems_.end());
    }

private:
    static bool identifierMatches(const std::optional<std::string> &expected, const XADiagnostic &finding) {
        return !expected || expected == finding.instanceIdentifier();
    }

    std::optional<std::string> caseFileName(const std::optional<std::string> &path) const {
        if (!path) {
            return std::nullopt;
        }
        const std::string standardized = xa_stringByStandardizingPath(*path);
        if (!XAPathIsInsideOrEqual(standardized, caseFolder_)) {
            return std::nullopt;
        }
        return xa_relativePathFromPath(standardized, caseFolder_);
    }

    bool matchMarker(const XADiagnostic &finding) {
        const std::optional<std::string> fileName = caseFileName(finding.filePath());
        if (!fileName || !finding.startPositionBytes()) {
            return false;
        }
        // A marker that names the finding's identifier first, then one that names none.
        for (bool wantIdentifier : {true, false}) {
            for (std::size_t i = 0; i < case_.markers.size(); ++i) {
                const XARuleCaseMarker &marker = case_.markers[i];
                if (!markerMatched_[i] && marker.fileName == *fileName &&
                    marker.offset == finding.startPositionBytes()->offset &&
                    marker.identifier.has_value() == wantIdentifier && identifierMatches(marker.identifier, finding)) {
                    markerMatched_[i] = true;
                    checkInfo(marker.infoFragments, marker.caseFileLine, finding);
                    if (marker.severity && *marker.severity != finding.severity()) {
                        infoProblems_.push_back(describe(finding) + " (case file line " +
                                                std::to_string(marker.caseFileLine) + "): severity " +
                                                std::to_string(finding.severity()) + " instead of " +
                                                std::to_string(*marker.severity));
                    }
                    return true;
                }
            }
        }
        return false;
    }

    void checkInfo(const std::vector<std::string> &fragments, std::size_t caseFileLine, const XADiagnostic &finding) {
        const std::string info = finding.instanceInfo() ? finding.instanceInfo()->plainString() : "";
        for (const std::string &fragment : fragments) {
            if (!xa_containsSubstring(info, fragment)) {
                infoProblems_.push_back(describe(finding) + " (case file line " + std::to_string(caseFileLine) +
                                        "): the info \"" + info + "\" does not contain \"" + fragment + "\"");
            }
        }
    }

    // A finding elsewhere, or one on a whole file of the case, which no marker can point at.
    bool matchOtherFinding(const XADiagnostic &finding) {
        if (caseFileName(finding.filePath()) && finding.startPositionBytes()) {
            return false;
        }
        for (std::size_t i = 0; i < case_.otherFindings.size(); ++i) {
            const XARuleCaseOtherFinding &expected = case_.otherFindings[i];
            const bool sameFile =
                expected.path
                    ? finding.filePath() && xa_stringByStandardizingPath(*finding.filePath()) ==
                                                xa_stringByStandardizingPath(
                                                    xa_stringByAppendingPathComponent(projectFolder_, *expected.path))
                    : !finding.filePath();
            if (!otherMatched_[i] && sameFile && identifierMatches(expected.identifier, finding)) {
                otherMatched_[i] = true;
                checkInfo(expected.infoFragments, expected.caseFileLine, finding);
                return true;
            }
        }
        return false;
    }

    std::string describe(const XADiagnostic &finding) const {
        std::string place = "no file";
        if (finding.filePath()) {
            place = caseFileName(finding.filePath())
                        .value_or(
                            xa_relativePathFromPath(xa_stringByStandardizingPath(*finding.filePath()), projectFolder_));
            if (finding.startPositionBytes()) {
                place += ":" + std::to_string(finding.startPositionBytes()->line) + ":" +
                         std::to_string(finding.startPositionBytes()->column);
            }
        }
        return place + " id=" + finding.instanceIdentifier().value_or("(none)") + " \"" +
               finding.diagnosticDescription().plainString() + "\"";
    }

    const XARuleCase &case_;
    std::string projectFolder_;
    std::string caseFolder_;
    std::vector<bool> markerMatched_;
    std::vector<std::string> infoProblems_;
    std::vector<bool> otherMatched_;
};

} // namespace

std::vector<std::string> XARunRuleCase(const XARuleDescriptor *rule, const XARuleCase &ruleCase,
                                       const std::string &fixturesFolder) {
    std::vector<std::string> problems = ruleCase.problems;
    if (!rule) {
        problems.push_back("there is no rule named " + ruleCase.ruleShortName);
    }
    if (!problems.empty()) {
        return problems;
    }
    const CaseFolder folder;
    if (folder.path().empty()) {
        return {"cannot create a folder for the case's project"};
    }
    const std::optional<XARuleCaseProject> made =
        XAMakeRuleCaseProject(ruleCase, folder.path(), fixturesFolder, problems);
    const XAConfiguration configuration = caseConfiguration(*rule, ruleCase, problems);
    const std::optional<CheckedBuild> checked = made ? buildCase(*made, configuration, problems) : std::nullopt;
    if (!checked || !problems.empty()) {
        return problems;
    }
    XAMessageQueue ruleMessages;
    XARuleContext context(checked->project, checked->target, checked->buildConfiguration, configuration, checked->build,
                          ruleMessages.progressHandler(), {rule});
    const XADiagnostics findings = runRule(*rule, context, *checked->build, problems);
    compareErrors(ruleCase, ruleMessages, problems);
    Comparison(ruleCase, xa_stringByStandardizingPath(made->folder)).compare(findings, problems);
    return problems;
}
