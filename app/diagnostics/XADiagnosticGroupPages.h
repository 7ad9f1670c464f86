#pragma once

// The HTML page of one group of diagnostics, rendered from the Mustache template "diagnosticsinfo" among the
// resources (Templates/diagnosticsinfo.mustache). The template reads a data tree made here: the group's
// "diagnostics", its "representative", "groupSubtitle", "groupInstanceInfo", "allDiagnosticsHaveSameInstanceInfo",
// "diagnosticCount", the presentation's "indentTabWidth" and "bodyClasses", and per diagnostic its texts (as HTML),
// names of scales, picture names, file path and display name, 1-based "line" and "column", "filePositionsString",
// "hasFilePositionInfo" and "fileSnippetHTML" with the marked code in a <marker> element.
//
// Renderers are used from several threads at once.

#include "engine/XADiagnosticGroup.h"

#include <memory>
#include <optional>
#include <string>

class XADiagnosticGroupPageRenderer {
public:
    // A rendered page, or the text of the error that kept it from being rendered.
    struct Result {
        std::string html;
        std::optional<std::string> error;
    };

    virtual ~XADiagnosticGroupPageRenderer() = default;
    // The error of loading the template; none when it loaded.
    virtual std::optional<std::string> templateLoadError() const = 0;
    virtual Result renderGroup(const XADiagnosticGroup &group) const = 0;
};

class XAMustacheGroupPageRenderer : public XADiagnosticGroupPageRenderer {
public:
    // The template among the resources, loaded once per process; a failure to load stays for the process's life.
    XAMustacheGroupPageRenderer();
    // A template of the given text (tests).
    explicit XAMustacheGroupPageRenderer(const std::string &templateText);
    ~XAMustacheGroupPageRenderer() override;

    std::optional<std::string> templateLoadError() const override;
    Result renderGroup(const XADiagnosticGroup &group) const override;

    struct LoadedTemplate;

private:
    std::shared_ptr<const LoadedTemplate> template_;
};
