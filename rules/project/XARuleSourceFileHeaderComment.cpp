// The header comment that Xcode's file template writes at the top of every source file: a block of "//" lines whose
// first non-blank line is the file's name and which names the company. A name that no longer matches (the file was
// renamed or copied) and the template's unfilled company placeholder are reported; a missing header only on request.
// The files of the target's Sources phase are read as text; nothing is parsed.

#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XADiagnosticPosition.h"
#include "engine/XARule.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <set>

namespace {
constexpr const char *kExpectCommentToStartWithFilename = "expectCommentToStartWithFilename";
constexpr const char *kRequireHeaderComments = "requireHeaderComments";
constexpr const char *kCompanyPlaceholder = "__MyCompanyName__";

// The extensions of source files whose names a header line may hold.
const std::set<std::string> &sourceFileExtensions() {
    static const std::set<std::string> extensions = {"m", "mm", "c", "cc", "cpp", "h", "hh", "hpp", "swift"};
    return extensions;
}

// The file's lines when it reads as UTF-8, split at LF and CRLF alike; an unreadable file has none.
std::vector<std::string> linesOfUTF8File(const std::string &path) {
    std::optional<std::string> bytes = XAContentsOfFile(path, nullptr);
    if (!bytes) {
        return {};
    }
    std::string_view text = *bytes;
    std::string storage;
    if (XAValidUTF8(text, storage).data() != text.data()) {
        return {};
    }
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<std::string> lines;
    for (std::string &line : xa_componentsSeparatedByString(text, "\n")) {
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// The texts of the leading "//" lines without their comment marker and the template's two spaces of indentation;
// the i-th text is line i of the file. A line of "//" and one space followed by text ends the block.
std::vector<std::string> headerCommentTexts(const std::vector<std::string> &lines) {
    std::vector<std::string> texts;
    for (const std::string &line : lines) {
        if (line != "//" && !line.starts_with("//  ")) {
            break;
        }
        std::string text = line.substr(2);
        texts.push_back(text.starts_with("  ") ? text.substr(2) : text);
    }
    return texts;
}

// The text after the last ".", or nothing when there is no ".".
std::string textAfterLastDot(const std::string &text) {
    const std::size_t dot = text.rfind('.');
    return dot == std::string::npos ? std::string() : text.substr(dot + 1);
}

} // namespace

struct XARuleSourceFileHeaderComment : XAProjectRule<XARuleSourceFileHeaderComment> {
    static XAXMLString ruleName() { return XAXMLString("Source file header comment format"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns about errors in source file header comments that follow the default Xcode template, "
                           "for example a file name in the comment that does not match the actual file name, or the "
                           "placeholder <string>__MyCompanyName__</string>.");
    }
    static std::vector<std::string> tags() { return {"Style", "Pedantic"}; }
    static std::vector<XAExternalLink> externalLinks() { return {}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
                    kExpectCommentToStartWithFilename, "Expect comments to start with the file name",
                    "Warn if the first line of a header comment is not the basename of the file.", XAOptionValue(true),
                    XAOptionValueTypeBool),
                XARuleOption::ruleOptionWithName(kRequireHeaderComments, "Require header comments in all source files",
                                                 "Warn about missing header comments in source code files.",
                                                 XAOptionValue(false), XAOptionValueTypeBool)};
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.projectTarget()) {
            return diagnostics;
        }
        for (const std::shared_ptr<XAProjectFile> &file : context.projectTarget()->sourceFiles()) {
            if (file->pathOnDisk()) {
                XADiagnostics found = diagnosticsForSourceFile(*file->pathOnDisk(), context);
                diagnostics.insert(diagnostics.end(), found.begin(), found.end());
            }
        }
        return diagnostics;
    }

    static XADiagnostics diagnosticsForSourceFile(const std::string &path, const XARuleContext &context) {
        const std::vector<std::string> header = headerCommentTexts(linesOfUTF8File(path));
        const bool headerIsBlank =
            std::ranges::all_of(header, [](const std::string &text) { return xa_isOnlyWhitespace(text); });
        if (headerIsBlank && boolForOption(kRequireHeaderComments, context)) {
            return {diagnosticOnLine(path, 1,
                                     "All source code files are expected to start with a header comment in the default "
                                     "Xcode template format.")};
        }
        XADiagnostics diagnostics;
        if (boolForOption(kExpectCommentToStartWithFilename, context)) {
            appendFileNameMismatch(path, header, diagnostics);
        }
        for (std::size_t index = 0; index < header.size(); ++index) {
            if (xa_containsSubstring(header[index], kCompanyPlaceholder)) {
                diagnostics.push_back(diagnosticOnLine(
                    path, index + 1,
                    "Source file header comment contains the placeholder <string>__MyCompanyName__</string>."));
            }
        }
        return diagnostics;
    }

private:
    // The first non-blank header line is compared only when it looks like a file name; a description is left alone.
    static void appendFileNameMismatch(const std::string &path, const std::vector<std::string> &header,
                                       XADiagnostics &diagnostics) {
        const auto first =
            std::ranges::find_if_not(header, [](const std::string &text) { return xa_isOnlyWhitespace(text); });
        if (first == header.end() || !sourceFileExtensions().contains(textAfterLastDot(*first))) {
            return;
        }
        const std::string fileName = xa_lastPathComponent(path);
        if (*first == fileName) {
            return;
        }
        // Both names are the file's own text, so they are escaped before they go into markup.
        diagnostics.push_back(diagnosticOnLine(path, static_cast<std::size_t>(first - header.begin()) + 1,
                                               "The file name in the source file header comment (<string>" +
                                                   xa_escapedForXML(*first) +
                                                   "</string>) does not match the actual file name (<string>" +
                                                   xa_escapedForXML(fileName) + "</string>)."));
    }

    // A finding that spans the whole line. An empty or missing file has no line 1 to span; the finding then starts
    // and ends at the beginning of the file.
    static XADiagnostic diagnosticOnLine(const std::string &path, std::size_t line, const std::string &info) {
        std::optional<XADiagnosticPositions> positions = XADiagnosticPosition::startAndEndPositionsForLine(line, path);
        if (!positions && line == 1) {
            const XADiagnosticPosition start = XADiagnosticPosition::positionAtLine(1, 0, 0);
            positions = XADiagnosticPositions(start, start);
        }
        return diagnosticWithFile(path, positions ? std::optional(positions->first()) : std::nullopt,
                                  positions ? std::optional(positions->second()) : std::nullopt, std::nullopt,
                                  XAXMLString(info), std::nullopt, XADiagnosticImpactMaintainability,
                                  XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh);
    }
};

TESSARY_REGISTER_RULE(XARuleSourceFileHeaderComment)
