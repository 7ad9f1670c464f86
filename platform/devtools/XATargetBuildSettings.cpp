#include "platform/devtools/XATargetBuildSettings.h"

#include "core/XAString.h"
#include "platform/devtools/XABuildSettingsDefaults.h"
#include "platform/devtools/XABuildSettingsResolver.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"
#include "project/XAXcconfigFile.h"

namespace {

// The levels above the defaults, in order of rising precedence.
class XASettingLevels {
public:
    XASettingLevels(const XAStandInProject &project, const XAProjectTarget &target,
                    const XATargetBuildSettingsInput &input, std::vector<std::string> &warnings)
        : input_(input), projectConfiguration_(project.buildConfigurationForName(input.configurationName)),
          targetConfiguration_(project.targetBuildConfiguration(target, input.configurationName)) {
        projectXcconfig_ = readBaseConfiguration(projectConfiguration_.get(), project, warnings);
        targetXcconfig_ = readBaseConfiguration(targetConfiguration_.get(), project, warnings);
    }

    void push(XABuildSettingsResolver &resolver) const {
        pushStatements(resolver, projectXcconfig_);
        if (projectConfiguration_) {
            resolver.pushBuildSettingsDictionary(projectConfiguration_->buildSettings());
        }
        pushStatements(resolver, targetXcconfig_);
        if (targetConfiguration_) {
            resolver.pushBuildSettingsDictionary(targetConfiguration_->buildSettings());
        }
        for (const auto &[key, value] : input_.commandLineSettings) {
            resolver.push(key, value);
        }
        if (input_.sdk) {
            resolver.push("SDKROOT", *input_.sdk);
        }
        if (input_.arch) {
            resolver.push("ARCHS", *input_.arch);
        }
    }

private:
    static std::vector<XCConfigFileStatement> readBaseConfiguration(const XAProjectBuildConfiguration *configuration,
                                                                    const XAStandInProject &project,
                                                                    std::vector<std::string> &warnings) {
        std::optional<std::string> path =
            configuration ? XAStandInProject::baseConfigurationPath(*configuration) : std::nullopt;
        if (!path) {
            return {};
        }
        auto statements = XAReadXcconfigStatements(*path, project.folder());
        if (!statements) {
            warnings.push_back("Unable to open base configuration reference file '" + *path + "'.");
            return {};
        }
        return std::move(*statements);
    }

    static void pushStatements(XABuildSettingsResolver &resolver,
                               const std::vector<XCConfigFileStatement> &statements) {
        for (const XCConfigFileStatement &statement : statements) {
            if (statement.xcValue) {
                resolver.push(statement.xcKey, *statement.xcValue);
            }
        }
    }

    const XATargetBuildSettingsInput &input_;
    std::shared_ptr<XAProjectBuildConfiguration> projectConfiguration_;
    std::shared_ptr<XAProjectBuildConfiguration> targetConfiguration_;
    std::vector<XCConfigFileStatement> projectXcconfig_;
    std::vector<XCConfigFileStatement> targetXcconfig_;
};

XABuildSettingConditionContext conditionContext(const XAStandInSDK *sdk, const std::string &rawSDKROOT,
                                                const std::string &arch, const std::string &configuration) {
    XABuildSettingConditionContext context;
    if (sdk) {
        context.sdkNames = {sdk->platform.name};
        if (!sdk->canonicalName.empty()) {
            context.sdkNames.push_back(sdk->canonicalName);
        }
        if (!rawSDKROOT.empty() && rawSDKROOT != sdk->platform.name) {
            context.sdkNames.push_back(rawSDKROOT);
        }
    }
    context.arch = arch;
    context.configuration = configuration;
    return context;
}

struct XAResolution {
    const XAStandInProject &project;
    const XAProjectTarget &target;
    const XATargetBuildSettingsInput &input;
    const XASettingLevels &levels;

    // A resolver of every level, for the SDK (none: before it is known) and the architecture ("" when unknown).
    XABuildSettingsResolver resolver(const XAStandInSDK &defaultsSDK, const XAStandInSDK *sdk,
                                     const std::string &rawSDKROOT, const std::string &arch) const {
        XABuildSettingsResolver resolver;
        XAPushDefaultBuildSettings(resolver, {input.action, project.xcodeprojPath(), project.developmentRegion(),
                                              target.name(), target.productType(), input.configurationName,
                                              input.developerDirectory, defaultsSDK});
        levels.push(resolver);
        resolver.setConditionContext(conditionContext(sdk, rawSDKROOT, arch, input.configurationName));
        if (sdk && sdk->located) {
            resolver.setFixedValue("SDKROOT", sdk->path);
        }
        return resolver;
    }
};

std::string firstWord(const std::string &text) {
    std::vector<std::string> words = xa_argumentLineColumns(text);
    return words.empty() ? std::string() : words.front();
}

} // namespace

XATargetBuildSettings XAResolveTargetBuildSettings(const XAStandInProject &project, const XAProjectTarget &target,
                                                   const XATargetBuildSettingsInput &input) {
    XATargetBuildSettings result;
    XASettingLevels levels(project, target, input, result.warnings);
    XAResolution resolution{project, target, input, levels};

    // SDKROOT first (it decides the platform), with no SDK and no architecture to test conditions against; then
    // the architecture for that SDK; then everything.
    const XAStandInSDK macOS = XALocateStandInSDK(input.developerDirectory, "macosx");
    const std::string rawSDKROOT = resolution.resolver(macOS, nullptr, "", "").valueForKey("SDKROOT").value_or("");
    const XAStandInSDK sdk = XALocateStandInSDK(input.developerDirectory, rawSDKROOT);
    if (!sdk.located) {
        result.warnings.push_back("SDK \"" + rawSDKROOT + "\" cannot be located.");
    }
    std::string arch = input.arch.value_or("");
    if (arch.empty()) {
        arch = firstWord(resolution.resolver(sdk, &sdk, rawSDKROOT, "").valueForKey("ARCHS").value_or(""));
    }
    XABuildSettingsResolver resolver = resolution.resolver(sdk, &sdk, rawSDKROOT, arch);
    resolver.setFixedValue("CURRENT_ARCH", arch.empty() ? "undefined_arch" : arch);
    result.settings = resolver.resolvedSettings();
    return result;
}
