#include "app/diagnostics/XADiagnosticGroupPages.h"

#include "core/XAUserFolders.h"
#include "engine/XADiagnosticPresentation.h"

#include <kainjow/mustache.hpp>

using kainjow::mustache::data;
using kainjow::mustache::mustache;

struct XAMustacheGroupPageRenderer::LoadedTemplate {
    std::optional<mustache> compiled;
    std::optional<std::string> error;
};

namespace {

constexpr const char *kTemplateResource = "Templates/diagnosticsinfo.mustache";

using LoadedTemplate = XAMustacheGroupPageRenderer::LoadedTemplate;

std::shared_ptr<const LoadedTemplate> compileTemplate(const std::optional<std::string> &text) {
    auto loaded = std::make_shared<LoadedTemplate>();
    if (!text) {
        loaded->error = std::string("The template ") + kTemplateResource + " could not be read.";
        return loaded;
    }
    mustache compiled(*text);
    if (!compiled.is_valid()) {
        loaded->error = "The template " + std::string(kTemplateResource) + " is not valid: " + compiled.error_message();
        return loaded;
    }
    loaded->compiled = std::move(compiled);
    return loaded;
}

const std::shared_ptr<const LoadedTemplate> &sharedTemplate() {
    static const std::shared_ptr<const LoadedTemplate> loaded =
        compileTemplate(xa_contentsOfResource(kTemplateResource));
    return loaded;
}

void setOptional(data &context, const std::string &key, const std::optional<std::string> &value) {
    if (value) {
        context.set(key, *value);
    }
}

// Libclang's positions are 1-based in line and column; the post-processed ones are 0-based in column.
data positionData(const XADiagnostic &diagnostic) {
    data context;
    const std::optional<XADiagnosticPosition> &codePoints = diagnostic.startPositionCodePoints();
    const std::optional<XADiagnosticPosition> &bytes = diagnostic.startPositionBytes();
    const std::uint64_t line = codePoints ? codePoints->line : bytes ? bytes->line : 0;
    const std::uint64_t column = codePoints ? codePoints->column + 1 : bytes ? bytes->column : 0;
    context.set("line", std::to_string(line));
    context.set("column", std::to_string(column));
    return context;
}

data diagnosticData(const XADiagnostic &diagnostic) {
    data context = positionData(diagnostic);
    context.set("ruleName", diagnostic.ruleName().htmlString());
    context.set("ruleShortName", diagnostic.ruleShortName());
    context.set("ruleDescription", diagnostic.ruleDescription().htmlString());
    if (diagnostic.ruleWarning()) {
        context.set("ruleWarning", diagnostic.ruleWarning()->htmlString());
    }
    context.set("diagnosticDescription", diagnostic.diagnosticDescription().htmlString());
    setOptional(context, "filePath", diagnostic.filePath());
    setOptional(context, "fileDisplayName", diagnostic.fileDisplayName());
    setOptional(context, "severityString", diagnostic.severityString());
    setOptional(context, "confidenceString", diagnostic.confidenceString());
    setOptional(context, "confidenceDescription", diagnostic.confidenceDescription());
    setOptional(context, "impactString", diagnostic.impactString());
    setOptional(context, "severityImage", diagnostic.severityImage());
    setOptional(context, "confidenceImage", diagnostic.confidenceImage());
    setOptional(context, "impactImage", diagnostic.impactImage());
    setOptional(context, "fileSnippetHTML", diagnostic.fileSnippetHTML());
    context.set("filePositionsString", diagnostic.filePositionsString());
    context.set("hasFilePositionInfo", diagnostic.hasFilePositionInfo() && diagnostic.filePath().has_value());
    return context;
}

data groupData(const XADiagnosticGroup &group) {
    data context;
    data diagnostics = data::type::list;
    for (const XADiagnostic &diagnostic : group.diagnostics()) {
        diagnostics.push_back(diagnosticData(diagnostic));
    }
    context.set("diagnostics", diagnostics);
    if (const XADiagnostic *representative = group.representative()) {
        context.set("representative", diagnosticData(*representative));
    }
    context.set("diagnosticCount", std::to_string(group.diagnostics().size()));
    context.set("groupSubtitle", group.groupSubtitle().string());
    context.set("groupInstanceInfo", group.groupInstanceInfo().htmlString());
    context.set("allDiagnosticsHaveSameInstanceInfo", group.allDiagnosticsHaveSameInstanceInfo());
    const std::int64_t tabWidth = group.presentation() ? group.presentation()->indentTabWidth() : 4;
    context.set("indentTabWidth", std::to_string(tabWidth));
    context.set("bodyClasses", xa_htmlTemplateBodyClasses());
    return context;
}

} // namespace

XAMustacheGroupPageRenderer::XAMustacheGroupPageRenderer() : template_(sharedTemplate()) {}

XAMustacheGroupPageRenderer::XAMustacheGroupPageRenderer(const std::string &templateText)
    : template_(compileTemplate(templateText)) {}

XAMustacheGroupPageRenderer::~XAMustacheGroupPageRenderer() = default;

std::optional<std::string> XAMustacheGroupPageRenderer::templateLoadError() const { return template_->error; }

XADiagnosticGroupPageRenderer::Result XAMustacheGroupPageRenderer::renderGroup(const XADiagnosticGroup &group) const {
    if (template_->error) {
        return {"", template_->error};
    }
    // Rendering records its error in the template object, so every rendering works on its own copy.
    mustache page = *template_->compiled;
    std::string html = page.render(groupData(group));
    if (!page.is_valid()) {
        return {"", page.error_message()};
    }
    return {std::move(html), std::nullopt};
}
