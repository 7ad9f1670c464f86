#pragma once

// Projects made for the checking run's tests: the rule-case template project (or a fixture project) with the given
// source files in its app target, loaded through the staged developer-tools stand-in, and checking operations over
// them with a chosen list of rules. The process must have set up the developer tools and libclang
// (XARuleCaseEnvironment, which the engine's tests install).

#include "core/XAMessageQueue.h"
#include "core/XAPaths.h"
#include "core/XAPathsTestSupport.h"
#include "engine/XACheckingOperation.h"
#include "engine/XARuleSet.h"
#include "engine/XATestRules.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "ruledriver/XARuleCaseProject.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

class XATestProject {
public:
    // The files go into the folder "CaseFiles" of the project; compiled when they are sources.
    XATestProject(std::initializer_list<XARuleCaseSourceFile> files, std::optional<std::string> fixture = std::nullopt)
        : XATestProject(std::vector<XARuleCaseSourceFile>(files), std::move(fixture)) {}
    explicit XATestProject(std::vector<XARuleCaseSourceFile> files, std::optional<std::string> fixture = std::nullopt,
                           XADictionary projectFacts = {}) {
        XARuleCase ruleCase;
        ruleCase.files = std::move(files);
        ruleCase.fixture = std::move(fixture);
        ruleCase.projectFacts = std::move(projectFacts);
        std::vector<std::string> problems;
        made_ = XAMakeRuleCaseProject(ruleCase, folder_.path(), TESSARY_FIXTURES_DIR "/projects", problems);
        for (const std::string &problem : problems) {
            ADD_FAILURE() << problem;
        }
    }

    const std::string &folder() const { return made_->folder; }
    std::string path(const std::string &relative) const { return made_->folder + "/" + relative; }
    std::string caseFile(const std::string &name) const {
        return path(std::string(kXARuleCaseFilesFolder) + "/" + name);
    }
    void append(const std::string &relative, const std::string &text) const {
        std::ofstream(path(relative), std::ios::app) << text;
    }

    // A newly loaded project object.
    std::shared_ptr<XAProject> load() const {
        auto project = XAProject::projectWithXcodeproj(made_->xcodeprojPath);
        XAMessageQueue messages;
        EXPECT_TRUE(project->loadProject(messages.progressHandler())) << messages.formattedErrorMessages();
        return project;
    }

    // An operation over the project's first application target and default configuration with these rules.
    std::shared_ptr<XACheckingOperation> operation(std::vector<const XARuleDescriptor *> rules,
                                                   XAConfiguration configuration = {}) const {
        std::shared_ptr<XAProject> project = load();
        auto target = XACheckingOperation::determineTargetForProject(*project, configuration, nullptr);
        auto buildConfig =
            XACheckingOperation::determineBuildConfigForProject(*project, target.get(), configuration, nullptr);
        auto ruleSet = std::make_shared<XARuleSet>();
        ruleSet->rules() = std::move(rules);
        auto operation =
            XACheckingOperation::operationWithProject(project, target, buildConfig, ruleSet, std::move(configuration));
        operation->setRuleRegistry(XATestRuleRegistry());
        return operation;
    }

private:
    XAScratchFolder folder_;
    std::optional<XARuleCaseProject> made_;
};

// Runs the operation synchronously, counting the calls of its completion.
inline int XARunSynchronously(XACheckingOperation &operation, const XAProgressHandler &progress = nullptr) {
    int completions = 0;
    operation.applyRulesWithProgress(
        progress, [&] { ++completions; }, true);
    return completions;
}

// The texts of the recorded messages of a kind.
inline std::vector<std::string> XARecordedTexts(const XACheckingOperation &operation, XAProgressMessageKind kind) {
    std::vector<std::string> texts;
    for (const XAProgressMessage &message :
         operation.progressMessagesOfKind(kind).value_or(std::vector<XAProgressMessage>{})) {
        texts.push_back(message.message());
    }
    return texts;
}
