#include "engine/XARulePage.h"

#include "core/XAUserFolders.h"

#include <kainjow/mustache.hpp>

#include <memory>
#include <mutex>
#include <variant>

namespace {

using kainjow::mustache::data;
using kainjow::mustache::mustache;

constexpr const char *kTemplateResource = "Templates/ruleinfo.mustache";

// The template, or the text of the error that kept it from loading.
const std::variant<std::unique_ptr<mustache>, std::string> &ruleInfoTemplate() {
    static const std::variant<std::unique_ptr<mustache>, std::string> loaded =
        []() -> std::variant<std::unique_ptr<mustache>, std::string> {
        std::optional<std::string> text = xa_contentsOfResource(kTemplateResource);
        if (!text) {
            return std::string("Cannot load the template ") + kTemplateResource;
        }
        auto compiled = std::make_unique<mustache>(*text);
        if (!compiled->is_valid()) {
            return "Cannot load the template " + std::string(kTemplateResource) + ": " + compiled->error_message();
        }
        return compiled;
    }();
    return loaded;
}

data optionData(const XARuleOption &option) {
    data entry;
    entry.set("longName", option.longName());
    entry.set("optionDescription", option.optionDescription());
    if (option.optionInfo()) {
        entry.set("optionInfo", *option.optionInfo());
    }
    entry.set("valueTypeDisplayName", option.valueTypeDisplayName());
    entry.set("defaultValueDisplayName", option.defaultValueDisplayName());
    return entry;
}

data ruleData(const XARuleDescriptor &rule) {
    data context;
    context.set("ruleName", rule.ruleName.htmlString());
    context.set("ruleShortName", rule.shortName);
    context.set("ruleDescription", rule.ruleDescription.htmlString());
    if (rule.ruleWarning) {
        context.set("ruleWarning", rule.ruleWarning->htmlString());
    }
    data tags = data::type::list;
    for (const std::string &tag : rule.tags) {
        tags.push_back(tag);
    }
    context.set("tags", tags);
    context.set("hasTags", !rule.tags.empty());
    data links = data::type::list;
    for (const XAExternalLink &link : rule.externalLinks) {
        data entry;
        entry.set("linkTitle", link.linkTitle);
        if (link.URL) {
            entry.set("URL", *link.URL);
        }
        links.push_back(entry);
    }
    context.set("externalLinks", links);
    context.set("hasExternalLinks", !rule.externalLinks.empty());
    data options = data::type::list;
    for (const XARuleOption &option : rule.options) {
        options.push_back(optionData(option));
    }
    context.set("options", options);
    context.set("hasOptions", !rule.options.empty());
    if (rule.applicationConditionDescription) {
        context.set("applicationConditionDescription", rule.applicationConditionDescription());
    }
    return context;
}

} // namespace

std::string XARuleHTMLDescriptionPage(const XARuleDescriptor &rule) {
    const auto &loaded = ruleInfoTemplate();
    if (const std::string *error = std::get_if<std::string>(&loaded)) {
        return *error;
    }
    mustache &page = *std::get<std::unique_ptr<mustache>>(loaded);
    // Rendering changes the template's error state, so renderings of one template must not overlap.
    static std::mutex renderingMutex;
    std::lock_guard lock(renderingMutex);
    std::string html = page.render(ruleData(rule));
    return page.is_valid() ? html : page.error_message();
}
