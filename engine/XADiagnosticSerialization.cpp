#include "engine/XADiagnosticSerialization.h"

#include "codemodel/XABuild.h"
#include "core/XAAppVersion.h"
#include "core/XACollections.h"
#include "core/XAImage.h"
#include "core/XAJSON.h"
#include "core/XAPropertyList.h"
#include "core/XAString.h"
#include "engine/XACheckingOperation.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <chrono>
#include <cmath>

namespace {

constexpr double kProjectIconSize = 120;

XAValue textOrNull(const std::optional<std::string> &text) { return text ? XAValue(*text) : XAValue(); }

XAValue trimmedPlainText(const std::optional<XAXMLString> &markup) {
    return markup ? XAValue(xa_trimmed(markup->plainString())) : XAValue();
}

XAValue htmlText(const std::optional<XAXMLString> &markup) {
    return markup ? XAValue(markup->htmlString()) : XAValue();
}

XAValue positionObject(const std::optional<XADiagnosticPosition> &bytes,
                       const std::optional<XADiagnosticPosition> &utf16) {
    auto number = [](std::uint64_t value) { return XAValue(static_cast<std::int64_t>(value)); };
    const XADiagnosticPosition none;
    const XADiagnosticPosition &inBytes = bytes ? *bytes : none;
    const XADiagnosticPosition &inUTF16 = utf16 ? *utf16 : none;
    return XAValue(XADictionary{{"line", number(inBytes.line)},
                                {"byteColumn", number(inBytes.column)},
                                {"byteOffset", number(inBytes.offset)},
                                {"utf16Column", number(inUTF16.column)},
                                {"utf16Offset", number(inUTF16.offset)}});
}

std::string projectIconBase64PNG(const XACheckingOperation &operation) {
    if (!operation.project() || !operation.projectTarget() || !operation.projectBuildConfig()) {
        return "";
    }
    const XAImage icon = operation.project()->representativeIconForTarget(
        *operation.projectTarget(), operation.projectBuildConfig()->name(), XAImage());
    if (icon.representations().empty()) {
        return "";
    }
    return xa_base64PNGString(xa_imageResizedToSize(icon, {kProjectIconSize, kProjectIconSize}));
}

std::string targetBundleVersion(const XACheckingOperation &operation) {
    if (!operation.build() || !operation.build()->infoPlistDictionary()) {
        return "";
    }
    const XAValue *version = operation.build()->infoPlistDictionary()->get("CFBundleVersion");
    return version && version->string() ? *version->string() : "";
}

XAError serializationError(const std::string &message) { return XAError(message, 0); }

} // namespace

std::vector<std::string> XADiagnosticSerialization::supportedSerializationFormats() {
    return {"JSON", "Property List"};
}

std::optional<std::string> XADiagnosticSerialization::fileExtensionForSerializationFormat(const std::string &format) {
    const std::string lowercased = xa_lowercased(format);
    if (lowercased == "json") {
        return "json";
    }
    if (lowercased == "property list") {
        return "plist";
    }
    return std::nullopt;
}

std::optional<std::string> XADiagnosticSerialization::serializedRepresentationForDiagnostics(
    const XADiagnostics &diagnostics, const std::string &format, const XACheckingOperation *operation, XAError *error) {
    const std::string lowercased = xa_lowercased(format);
    if (lowercased == "json") {
        return jsonRepresentationForDiagnostics(diagnostics, operation, error);
    }
    if (lowercased == "property list") {
        return plistRepresentationForDiagnostics(diagnostics, operation, error);
    }
    if (error) {
        *error = serializationError("Unknown serialization format: '" + format + "'");
    }
    return std::nullopt;
}

std::optional<std::string>
XADiagnosticSerialization::jsonRepresentationForDiagnostics(const XADiagnostics &diagnostics,
                                                            const XACheckingOperation *operation, XAError *) {
    return XAJSONString(XAValue(rootObjectForOperation(operation, dictionaryRepresentationsOfDiagnostics(diagnostics))),
                        true);
}

std::optional<std::string>
XADiagnosticSerialization::plistRepresentationForDiagnostics(const XADiagnostics &diagnostics,
                                                             const XACheckingOperation *operation, XAError *error) {
    const XADictionary root =
        xa_withoutNilValues(rootObjectForOperation(operation, dictionaryRepresentationsOfDiagnostics(diagnostics)));
    XAError serializerError;
    std::optional<std::string> data = XAXMLPropertyListData(XAValue(root), &serializerError);
    if (!data || data->empty()) {
        if (error) {
            *error = serializerError.message.empty()
                         ? serializationError("Error serializing diagnostics into a plist: data is nil")
                         : serializerError;
        }
        return std::nullopt;
    }
    return data;
}

XADictionary XADiagnosticSerialization::serializableFormat(const XADiagnostic &diagnostic) {
    const XADictionary html{{"ruleShortName", XAValue(diagnostic.ruleShortName())},
                            {"ruleName", htmlText(diagnostic.ruleName())},
                            {"ruleDescription", htmlText(diagnostic.ruleDescription())},
                            {"ruleWarning", htmlText(diagnostic.ruleWarning())},
                            {"info", htmlText(diagnostic.instanceInfo())}};
    const XADictionary extent{
        {"start", positionObject(diagnostic.startPositionBytes(), diagnostic.startPositionUTF16Units())},
        {"end", positionObject(diagnostic.endPositionBytes(), diagnostic.endPositionUTF16Units())}};
    return XADictionary{
        {"ruleShortName", XAValue(xa_trimmed(diagnostic.ruleShortName()))},
        {"ruleName", trimmedPlainText(diagnostic.ruleName())},
        {"ruleDescription", trimmedPlainText(diagnostic.ruleDescription())},
        {"ruleWarning", trimmedPlainText(diagnostic.ruleWarning())},
        {"info", trimmedPlainText(diagnostic.instanceInfo())},
        {"html", XAValue(html)},
        {"identifier", textOrNull(diagnostic.instanceIdentifier())},
        {"file", textOrNull(diagnostic.filePath())},
        {"context", textOrNull(diagnostic.positionContext())},
        {"extent", XAValue(extent)},
        {"fileSnippet",
         diagnostic.fileSnippet() ? XAValue(diagnostic.fileSnippet()->fullMarkedSubstring()) : XAValue()},
        {"impact", XAValue(diagnostic.impactString().value_or(""))},
        {"severityDescription", textOrNull(diagnostic.severityString())},
        {"severity", XAValue(static_cast<std::int64_t>(diagnostic.severity()))},
        {"confidenceDescription", textOrNull(diagnostic.confidenceString())},
        {"confidence", XAValue(static_cast<std::int64_t>(diagnostic.confidence()))},
    };
}

XAValue::Array XADiagnosticSerialization::dictionaryRepresentationsOfDiagnostics(const XADiagnostics &diagnostics) {
    XAValue::Array representations;
    representations.reserve(diagnostics.size());
    for (const XADiagnostic &diagnostic : diagnostics) {
        representations.emplace_back(serializableFormat(diagnostic));
    }
    return representations;
}

XADictionary XADiagnosticSerialization::rootObjectForOperation(const XACheckingOperation *operation) {
    const auto now = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    XADictionary root{{"tessaryVersion", XAValue(xa_version())}, {"timeStamp", XAValue(std::floor(now))}};
    const XAProject *project = operation ? operation->project().get() : nullptr;
    const std::shared_ptr<XAVCSRepository> repository = project ? project->versionControlRepository() : nullptr;
    root.set("projectPath", XAValue(project ? project->xcodeprojPath() : ""));
    root.set("projectName", XAValue(project ? project->projectName() : ""));
    root.set("targetName", XAValue(operation && operation->projectTarget() ? operation->projectTarget()->name() : ""));
    root.set("targetBundleVersion", XAValue(operation ? targetBundleVersion(*operation) : ""));
    root.set("buildConfigurationName",
             XAValue(operation && operation->projectBuildConfig() ? operation->projectBuildConfig()->name() : ""));
    root.set("projectIconBase64PNG", XAValue(operation ? projectIconBase64PNG(*operation) : ""));
    root.set("versionControlSystemName", XAValue(repository ? repository->versionControlSystemName() : ""));
    root.set("versionControlRevision", XAValue(repository ? repository->currentRevision().value_or("") : ""));
    return root;
}

XADictionary
XADiagnosticSerialization::rootObjectForOperation(const XACheckingOperation *operation,
                                                  std::optional<XAValue::Array> diagnosticRepresentations) {
    XADictionary root = rootObjectForOperation(operation);
    root.set("diagnostics", XAValue(diagnosticRepresentations.value_or(XAValue::Array{})));
    return root;
}
