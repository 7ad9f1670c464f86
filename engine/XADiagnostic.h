#pragma once

// One finding of one rule: which rule, what was found, where, and how grave and how certain it is. Rules make
// diagnostics through the factories of their base (XARule.h), which all end in the designated factory here. The
// checking run collects them, drops suppressed, excluded and null ones, and has updateDiagnosticPositions add the
// positions in UTF-16 units and code points and a file snippet.
//
// A diagnostic's identity is a text key made once, at creation, from its rule name, message, file, severity,
// confidence, impact and byte positions; equality and hash rest on it alone, so sets of diagnostics collapse repeated
// findings. Later changes (a new message, user info) never change the identity.
//
// The null diagnostic stands for "no finding": it is equal only to itself and never to a real diagnostic.
//
// A diagnostic is a value; a rule thread makes it, and the post-processing writes each one from exactly one thread.

#include "core/XAColor.h"
#include "core/XAValue.h"
#include "engine/XADiagnosticPosition.h"
#include "engine/XAExternalLink.h"
#include "engine/XAFileSnippet.h"
#include "engine/XAXMLString.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using XADiagnosticSeverity = std::int64_t;
inline constexpr XADiagnosticSeverity XADiagnosticSeverityNone = 0;
inline constexpr XADiagnosticSeverity XADiagnosticSeverityConcern = 3;
inline constexpr XADiagnosticSeverity XADiagnosticSeverityWarning = 5;
inline constexpr XADiagnosticSeverity XADiagnosticSeverityError = 9;
inline constexpr XADiagnosticSeverity XADiagnosticSeverityFatal = 10;

using XADiagnosticConfidence = std::int64_t;
inline constexpr XADiagnosticConfidence XADiagnosticConfidenceNone = 0;
inline constexpr XADiagnosticConfidence XADiagnosticConfidenceLow = 2;
inline constexpr XADiagnosticConfidence XADiagnosticConfidenceMedium = 5;
inline constexpr XADiagnosticConfidence XADiagnosticConfidenceHigh = 8;
inline constexpr XADiagnosticConfidence XADiagnosticConfidenceAbsolute = 10;

using XADiagnosticImpact = std::int64_t;
inline constexpr XADiagnosticImpact XADiagnosticImpactFunctionality = 1;
inline constexpr XADiagnosticImpact XADiagnosticImpactMaintainability = 2;
inline constexpr XADiagnosticImpact XADiagnosticImpactStyle = 3;

class XADiagnostic {
public:
    // The designated factory: every field from its argument, empty user info, exclusion resistance 0, no
    // post-processed positions, then the identity key.
    static XADiagnostic
    diagnosticWithRuleName(XAXMLString ruleName, std::string ruleShortName, XAXMLString ruleDescription,
                           std::optional<XAXMLString> ruleWarning, std::vector<XAExternalLink> ruleExternalLinks,
                           std::optional<XAXMLString> instanceInfo, std::optional<std::string> instanceIdentifier,
                           std::optional<std::string> filePath, std::optional<XADiagnosticPosition> startPosition,
                           std::optional<XADiagnosticPosition> endPosition, std::optional<std::string> positionContext,
                           XADiagnosticImpact impact, XADiagnosticSeverity severity, XADiagnosticConfidence confidence);

    // ---- Fields ----

    bool isNullDiagnostic() const { return isNull_; }
    const std::string &uniqueKey() const { return uniqueKey_; }
    std::uint64_t uniqueKeyHash() const { return uniqueKeyHash_; }
    const XAXMLString &ruleName() const { return ruleName_; }
    const std::string &ruleShortName() const { return ruleShortName_; }
    const XAXMLString &ruleDescription() const { return ruleDescription_; }
    const std::optional<XAXMLString> &ruleWarning() const { return ruleWarning_; }
    const std::vector<XAExternalLink> &ruleExternalLinks() const { return ruleExternalLinks_; }
    const std::optional<XAXMLString> &instanceInfo() const { return instanceInfo_; }
    const std::optional<std::string> &instanceIdentifier() const { return instanceIdentifier_; }
    const std::optional<std::string> &filePath() const { return filePath_; }
    const std::optional<XADiagnosticPosition> &startPositionBytes() const { return startPositionBytes_; }
    const std::optional<XADiagnosticPosition> &endPositionBytes() const { return endPositionBytes_; }
    const std::optional<std::string> &positionContext() const { return positionContext_; }
    XADiagnosticSeverity severity() const { return severity_; }
    XADiagnosticConfidence confidence() const { return confidence_; }
    XADiagnosticImpact impact() const { return impact_; }
    const std::optional<XADiagnosticPosition> &startPositionUTF16Units() const { return startPositionUTF16Units_; }
    const std::optional<XADiagnosticPosition> &endPositionUTF16Units() const { return endPositionUTF16Units_; }
    const std::optional<XADiagnosticPosition> &startPositionCodePoints() const { return startPositionCodePoints_; }
    const std::optional<XADiagnosticPosition> &endPositionCodePoints() const { return endPositionCodePoints_; }
    const std::optional<XAFileSnippet> &fileSnippet() const { return fileSnippet_; }
    const XADictionary &userInfo() const { return userInfo_; }
    XADictionary &userInfo() { return userInfo_; }
    std::uint64_t exclusionResistance() const { return exclusionResistance_; }

    // What a rule may still change; the identity stays what it was at creation.
    void setInstanceInfo(std::optional<XAXMLString> info) { instanceInfo_ = std::move(info); }
    void setInstanceIdentifier(std::optional<std::string> identifier) { instanceIdentifier_ = std::move(identifier); }
    // Non-zero exempts the diagnostic from the file exclusions of the configuration (not from suppressions).
    void setExclusionResistance(std::uint64_t resistance) { exclusionResistance_ = resistance; }

    // ---- Scales ----

    // "None", "Concern", "Warning", "Error", "Fatal" for 0, 3, 5, 9, 10; no value for other numbers.
    static std::optional<std::string> nameOfSeverity(XADiagnosticSeverity severity);
    // 3, 5, 9, 10 (not None) and their names.
    static const std::vector<XADiagnosticSeverity> &severities();
    static std::vector<std::string> severityNames();
    // The first of severities() whose name is exactly `name`; 0 when none is.
    static XADiagnosticSeverity severityForName(const std::string &name);
    // Names of image resources; no value for None and unknown values.
    static std::optional<std::string> imageForSeverity(XADiagnosticSeverity severity);
    static std::optional<std::string> imageForImpact(XADiagnosticImpact impact);
    // The severity's picture at 76 × 76 points with the impact's picture drawn over the whole of it, as an SVG
    // document made from the two image resources; made once per pair and kept for the life of the process. No value
    // when the severity has no picture (the impact's is then left out when it has none).
    static std::optional<std::string> combinedImageForImpact(XADiagnosticImpact impact, XADiagnosticSeverity severity);

    // ---- Derived values (the printers and the HTML templates read them) ----

    std::optional<std::string> severityString() const { return nameOfSeverity(severity_); }
    std::optional<XAColor> severityColor() const;
    std::optional<std::string> severityImage() const { return imageForSeverity(severity_); }
    std::optional<std::string> confidenceString() const;
    std::optional<std::string> confidenceDescription() const;
    std::optional<XAColor> confidenceColor() const;
    std::optional<std::string> confidenceImage() const;
    std::optional<std::string> impactString() const;
    std::optional<std::string> impactImage() const { return imageForImpact(impact_); }
    std::optional<std::string> impactAndSeverityImage() const { return combinedImageForImpact(impact_, severity_); }
    // The message when it says something, else the rule's description.
    const XAXMLString &diagnosticDescription() const;
    // For a file inside a ".lproj" folder, the path from that folder on ("en.lproj/Localizable.strings"); else the
    // file name. No value without a file.
    std::optional<std::string> fileDisplayName() const;
    // "[line:column - line:column]" of the code-point positions; "" until they are known.
    std::string filePositionsString() const;
    // "[line:column:offset - line:column:offset]" of the byte positions; "" without them.
    std::string bytePositionsString() const;
    bool hasStartPositionInfo() const { return startPositionBytes_.has_value(); }
    bool hasEndPositionInfo() const { return endPositionBytes_.has_value(); }
    bool hasFilePositionInfo() const { return hasStartPositionInfo(); }
    // The snippet's multi-line HTML; no value without a snippet.
    std::optional<std::string> fileSnippetHTML() const;
    // "<short name> -- <severity> <impact> <confidence>": what groups diagnostics for presentation.
    std::string collationKey() const;

    // ---- Identity ----

    // 1982 for the null diagnostic.
    std::uint64_t hash() const { return isNull_ ? 1982 : uniqueKeyHash_; }
    bool operator==(const XADiagnostic &other) const;
    bool isEqualToDiagnostic(const XADiagnostic &other) const { return *this == other; }

    // ---- Post-processing ----

    // Adds UTF-16 and code-point positions and a snippet to every diagnostic with a file and both byte positions
    // whose file can be read as UTF-8; the others stay as they are. Each file is read once, the files in parallel.
    static void updateDiagnosticPositions(std::vector<XADiagnostic> &diagnostics);

private:
    friend class XANullDiagnostic;
    XADiagnostic() = default;

    // The post-processing of one diagnostic of a file whose text is valid UTF-8.
    void updatePositionsInText(const std::shared_ptr<const std::string> &text, std::size_t codePointCount,
                               std::size_t utf16Length, std::size_t startCodePoint, std::size_t endCodePoint,
                               std::size_t startUTF16, std::size_t endUTF16);

    bool isNull_ = false;
    std::string uniqueKey_;
    std::uint64_t uniqueKeyHash_ = 0;
    XAXMLString ruleName_;
    std::string ruleShortName_;
    XAXMLString ruleDescription_;
    std::optional<XAXMLString> ruleWarning_;
    std::vector<XAExternalLink> ruleExternalLinks_;
    std::optional<XAXMLString> instanceInfo_;
    std::optional<std::string> instanceIdentifier_;
    std::optional<std::string> filePath_;
    std::optional<XADiagnosticPosition> startPositionBytes_;
    std::optional<XADiagnosticPosition> endPositionBytes_;
    std::optional<std::string> positionContext_;
    XADiagnosticSeverity severity_ = 0;
    XADiagnosticConfidence confidence_ = 0;
    XADiagnosticImpact impact_ = 0;
    std::optional<XADiagnosticPosition> startPositionUTF16Units_;
    std::optional<XADiagnosticPosition> endPositionUTF16Units_;
    std::optional<XADiagnosticPosition> startPositionCodePoints_;
    std::optional<XADiagnosticPosition> endPositionCodePoints_;
    std::optional<XAFileSnippet> fileSnippet_;
    XADictionary userInfo_;
    std::uint64_t exclusionResistance_ = 0;
};

class XANullDiagnostic {
public:
    XANullDiagnostic() = delete;
    // The one null diagnostic: every field absent or 0, no identity key.
    static const XADiagnostic &nullDiagnostic();
};

using XADiagnostics = std::vector<XADiagnostic>;

template <> struct std::hash<XADiagnostic> {
    std::size_t operator()(const XADiagnostic &diagnostic) const { return diagnostic.hash(); }
};
