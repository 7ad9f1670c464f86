#include "engine/XADiagnostic.h"

#include "core/XAPaths.h"

#include <algorithm>

namespace {

struct ScaleEntry {
    std::int64_t value;
    const char *name;
};

constexpr ScaleEntry kSeverityNames[] = {{0, "None"}, {3, "Concern"}, {5, "Warning"}, {9, "Error"}, {10, "Fatal"}};
constexpr ScaleEntry kSeverityImages[] = {
    {3, "severity_concern"}, {5, "severity_warning"}, {9, "severity_error"}, {10, "severity_error"}};
constexpr ScaleEntry kConfidenceNames[] = {{0, "None"}, {2, "Low"}, {5, "Medium"}, {8, "High"}, {10, "Absolute"}};
constexpr ScaleEntry kConfidenceDescriptions[] = {{0, ""},
                                                  {2, "This might be a false positive."},
                                                  {5, "This might be a false positive, but probably isn't."},
                                                  {8, "It is unlikely that this is a false positive."},
                                                  {10, "It is highly unlikely that this is a false positive."}};
constexpr ScaleEntry kConfidenceImages[] = {
    {2, "confidence_low"}, {5, "confidence_medium"}, {8, "confidence_high"}, {10, "confidence_absolute"}};
constexpr ScaleEntry kImpactNames[] = {{0, ""}, {1, "Functionality"}, {2, "Maintainability"}, {3, "Style"}};
constexpr ScaleEntry kImpactImages[] = {
    {1, "impact_functionality"}, {2, "impact_maintainability"}, {3, "impact_style"}};

template <std::size_t N> std::optional<std::string> lookUp(const ScaleEntry (&table)[N], std::int64_t value) {
    for (const ScaleEntry &entry : table) {
        if (entry.value == value) {
            return std::string(entry.name);
        }
    }
    return std::nullopt;
}

std::string positionText(const XADiagnosticPosition &position, bool withOffset) {
    std::string text = std::to_string(position.line) + ":" + std::to_string(position.column);
    return withOffset ? text + ":" + std::to_string(position.offset) : text;
}

std::string rangeText(const std::optional<XADiagnosticPosition> &start, const std::optional<XADiagnosticPosition> &end,
                      bool withOffsets) {
    if (!start || !end) {
        return "";
    }
    return "[" + positionText(*start, withOffsets) + " - " + positionText(*end, withOffsets) + "]";
}

} // namespace

XADiagnostic XADiagnostic::diagnosticWithRuleName(
    XAXMLString ruleName, std::string ruleShortName, XAXMLString ruleDescription,
    std::optional<XAXMLString> ruleWarning, std::vector<XAExternalLink> ruleExternalLinks,
    std::optional<XAXMLString> instanceInfo, std::optional<std::string> instanceIdentifier,
    std::optional<std::string> filePath, std::optional<XADiagnosticPosition> startPosition,
    std::optional<XADiagnosticPosition> endPosition, std::optional<std::string> positionContext,
    XADiagnosticImpact impact, XADiagnosticSeverity severity, XADiagnosticConfidence confidence) {
    XADiagnostic diagnostic;
    diagnostic.ruleName_ = std::move(ruleName);
    diagnostic.ruleShortName_ = std::move(ruleShortName);
    diagnostic.ruleDescription_ = std::move(ruleDescription);
    diagnostic.ruleWarning_ = std::move(ruleWarning);
    diagnostic.ruleExternalLinks_ = std::move(ruleExternalLinks);
    diagnostic.instanceInfo_ = std::move(instanceInfo);
    diagnostic.instanceIdentifier_ = std::move(instanceIdentifier);
    diagnostic.filePath_ = std::move(filePath);
    diagnostic.startPositionBytes_ = startPosition;
    diagnostic.endPositionBytes_ = endPosition;
    diagnostic.positionContext_ = std::move(positionContext);
    diagnostic.impact_ = impact;
    diagnostic.severity_ = severity;
    diagnostic.confidence_ = confidence;
    const std::string separator = " \u00A7\u00A7\u00A7 ";
    diagnostic.uniqueKey_ = diagnostic.ruleName_.xmlString() + separator +
                            (diagnostic.instanceInfo_ ? diagnostic.instanceInfo_->xmlString() : "") + separator +
                            diagnostic.filePath_.value_or("") + separator + std::to_string(severity) + separator +
                            std::to_string(confidence) + separator + std::to_string(impact) + separator +
                            diagnostic.bytePositionsString();
    diagnostic.uniqueKeyHash_ = std::hash<std::string>{}(diagnostic.uniqueKey_);
    return diagnostic;
}

// ---- Scales ----

std::optional<std::string> XADiagnostic::nameOfSeverity(XADiagnosticSeverity severity) {
    return lookUp(kSeverityNames, severity);
}

const std::vector<XADiagnosticSeverity> &XADiagnostic::severities() {
    static const std::vector<XADiagnosticSeverity> values = {XADiagnosticSeverityConcern, XADiagnosticSeverityWarning,
                                                             XADiagnosticSeverityError, XADiagnosticSeverityFatal};
    return values;
}

std::vector<std::string> XADiagnostic::severityNames() {
    std::vector<std::string> names;
    for (XADiagnosticSeverity severity : severities()) {
        names.push_back(*nameOfSeverity(severity));
    }
    return names;
}

XADiagnosticSeverity XADiagnostic::severityForName(const std::string &name) {
    for (XADiagnosticSeverity severity : severities()) {
        if (nameOfSeverity(severity) == name) {
            return severity;
        }
    }
    return XADiagnosticSeverityNone;
}

std::optional<std::string> XADiagnostic::imageForSeverity(XADiagnosticSeverity severity) {
    return lookUp(kSeverityImages, severity);
}

std::optional<std::string> XADiagnostic::imageForImpact(XADiagnosticImpact impact) {
    return lookUp(kImpactImages, impact);
}

// ---- Derived values ----

std::optional<XAColor> XADiagnostic::severityColor() const {
    switch (severity_) {
    case XADiagnosticSeverityNone:
        return XAColor::whiteColor();
    case XADiagnosticSeverityConcern:
        return XAColor::rgb(static_cast<float>(171.0 / 255), static_cast<float>(202.0 / 255),
                            static_cast<float>(218.0 / 255));
    case XADiagnosticSeverityWarning:
        return XAColor::yellowColor();
    case XADiagnosticSeverityError:
    case XADiagnosticSeverityFatal:
        return XAColor::redColor();
    default:
        return std::nullopt;
    }
}

std::optional<std::string> XADiagnostic::confidenceString() const { return lookUp(kConfidenceNames, confidence_); }

std::optional<std::string> XADiagnostic::confidenceDescription() const {
    return lookUp(kConfidenceDescriptions, confidence_);
}

std::optional<XAColor> XADiagnostic::confidenceColor() const {
    switch (confidence_) {
    case XADiagnosticConfidenceNone:
        return XAColor::redColor();
    case XADiagnosticConfidenceLow:
        return XAColor::yellowColor();
    case XADiagnosticConfidenceMedium:
        return XAColor::rgb(1, 0.5, 0); // orange
    case XADiagnosticConfidenceHigh:
    case XADiagnosticConfidenceAbsolute:
        return XAColor::greenColor();
    default:
        return std::nullopt;
    }
}

std::optional<std::string> XADiagnostic::confidenceImage() const { return lookUp(kConfidenceImages, confidence_); }

std::optional<std::string> XADiagnostic::impactString() const { return lookUp(kImpactNames, impact_); }

const XAXMLString &XADiagnostic::diagnosticDescription() const {
    return instanceInfo_ && !instanceInfo_->xmlString().empty() ? *instanceInfo_ : ruleDescription_;
}

std::optional<std::string> XADiagnostic::fileDisplayName() const {
    if (!filePath_) {
        return std::nullopt;
    }
    if (filePath_->find(".lproj/") == std::string::npos) {
        return xa_lastPathComponent(*filePath_);
    }
    const std::vector<std::string> components = xa_pathComponents(*filePath_);
    auto localized = std::find_if(components.begin(), components.end(),
                                  [](const std::string &component) { return component.ends_with(".lproj"); });
    std::string name;
    for (auto component = localized; component != components.end(); ++component) {
        name = xa_stringByAppendingPathComponent(name, *component);
    }
    return name;
}

std::string XADiagnostic::filePositionsString() const {
    return rangeText(startPositionCodePoints_, endPositionCodePoints_, false);
}

std::string XADiagnostic::bytePositionsString() const {
    return rangeText(startPositionBytes_, endPositionBytes_, true);
}

std::optional<std::string> XADiagnostic::fileSnippetHTML() const {
    return fileSnippet_ ? fileSnippet_->trimmedHTMLMultiline(true) : std::nullopt;
}

std::string XADiagnostic::collationKey() const {
    return ruleShortName_ + " -- " + std::to_string(severity_) + " " + std::to_string(impact_) + " " +
           std::to_string(confidence_);
}

// ---- Identity ----

bool XADiagnostic::operator==(const XADiagnostic &other) const {
    if (this == &other) {
        return true;
    }
    if (isNull_ || other.isNull_) {
        return isNull_ && other.isNull_;
    }
    return uniqueKey_ == other.uniqueKey_;
}

const XADiagnostic &XANullDiagnostic::nullDiagnostic() {
    static const XADiagnostic null = [] {
        XADiagnostic diagnostic;
        diagnostic.isNull_ = true;
        return diagnostic;
    }();
    return null;
}
