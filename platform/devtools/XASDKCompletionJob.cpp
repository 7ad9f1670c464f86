#include "platform/devtools/XASDKCompletionJob.h"

#include <nlohmann/json.hpp>

std::string XACompletionJobText(const XACompletionJob &job) {
    nlohmann::json compilations = nlohmann::json::array();
    for (const XACompletionCompilation &compilation : job.compilations) {
        compilations.push_back({{"source", compilation.source},
                                {"workingDirectory", compilation.workingDirectory},
                                {"arguments", compilation.arguments},
                                {"objectiveC", compilation.objectiveC}});
    }
    return nlohmann::json{{"compilations", compilations},
                          {"outputFolder", job.outputFolder},
                          {"maximumRounds", job.maximumRounds}}
        .dump(1);
}

std::optional<XACompletionJob> XACompletionJobFromText(const std::string &text) {
    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (!json.is_object()) {
        return std::nullopt;
    }
    try {
        XACompletionJob job;
        job.outputFolder = json.at("outputFolder").get<std::string>();
        job.maximumRounds = json.value("maximumRounds", 3);
        for (const nlohmann::json &entry : json.at("compilations")) {
            job.compilations.push_back({entry.at("source").get<std::string>(),
                                        entry.at("workingDirectory").get<std::string>(),
                                        entry.at("arguments").get<std::vector<std::string>>(),
                                        entry.value("objectiveC", false)});
        }
        return job;
    } catch (const nlohmann::json::exception &) {
        return std::nullopt;
    }
}

std::string XACompletionOutcomeText(const XACompletionOutcome &outcome) {
    return nlohmann::json{{"completedSources", outcome.completedSources},
                          {"arguments", outcome.arguments},
                          {"targetArguments", outcome.targetArguments}}
        .dump(1);
}

std::optional<XACompletionOutcome> XACompletionOutcomeFromText(const std::string &text) {
    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (!json.is_object()) {
        return std::nullopt;
    }
    try {
        return XACompletionOutcome{json.at("completedSources").get<std::set<std::string>>(),
                                   json.at("arguments").get<std::vector<std::string>>(),
                                   json.at("targetArguments").get<std::vector<std::string>>()};
    } catch (const nlohmann::json::exception &) {
        return std::nullopt;
    }
}
