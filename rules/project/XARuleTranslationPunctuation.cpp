// Translations whose punctuation at the start or end differs from the reference translation of the same key: a
// label that ends in a colon in one language and not in another, a question without its question mark.

#include "core/XAXMLText.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XAProjectFile.h"

namespace {
constexpr const char *kPunctuationChars = "punctuationChars";
}

struct XARuleTranslationPunctuation : XAProjectRule<XARuleTranslationPunctuation> {
    static XAXMLString ruleName() { return XAXMLString("Translation border punctuation mismatch"); }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "Warns if the punctuation at the start or end of translation strings differs between languages.");
    }
    static bool appliesToContext(XARuleContext &context) { return XAAppliesToLocalizedProject(context); }
    static std::string applicationConditionDescription() { return kXALocalizedProjectsCondition; }
    static std::vector<std::string> tags() { return {"Recommended", "Localization"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kPunctuationChars, "Punctuation characters that should match", "",
                                                 XAOptionValue(std::string(".,:;!?\u2026\u3002")),
                                                 XAOptionValueTypeString)};
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.project() || !context.projectTarget()) {
            return diagnostics;
        }
        const std::string punctuationChars = stringForOption(context);
        XAForEachTranslationBesideReference(
            *context.projectTarget(), *context.project(),
            [&](const XATranslationGroup &group, const XATranslation &reference, const XATranslation &translation) {
                const auto &[referenceFile, referenceValue] = reference;
                const auto &[file, value] = translation;
                const std::string referenceLocale = referenceFile->localeIdentifier().value_or("");
                const std::string locale = file->localeIdentifier().value_or("");
                const auto [referencePrefix, referenceSuffix] =
                    XATranslationBorderPunctuation(referenceValue, punctuationChars);
                const auto [prefix, suffix] = XATranslationBorderPunctuation(value, punctuationChars);
                const bool prefixesDiffer =
                    !XABorderPunctuationEquals(prefix, locale, referencePrefix, referenceLocale);
                const bool suffixesDiffer =
                    !XABorderPunctuationEquals(suffix, locale, referenceSuffix, referenceLocale);
                if (!prefixesDiffer && !suffixesDiffer) {
                    return;
                }
                const XAXMLString info =
                    mismatchInfo(group.key, *file, value, *referenceFile, referenceValue,
                                 prefixesDiffer ? std::optional(std::pair(referencePrefix, prefix)) : std::nullopt,
                                 suffixesDiffer ? std::optional(std::pair(referenceSuffix, suffix)) : std::nullopt);
                diagnostics.push_back(diagnosticWithFile(file->pathOnDisk(), info, group.key,
                                                         XADiagnosticImpactFunctionality, XADiagnosticSeverityConcern,
                                                         XADiagnosticConfidenceHigh));
            });
        return diagnostics;
    }

private:
    static std::string stringForOption(const XARuleContext &context) {
        const std::optional<XAOptionValue> value = valueForOption(kPunctuationChars, context);
        const std::string *text = value ? value->string() : nullptr;
        return text ? *text : std::string();
    }

    static std::string quoted(const std::string &text) { return "<string>" + xa_escapedForXML(text) + "</string>"; }

    // The borders that differ are given as (reference's, translation's).
    using Borders = std::optional<std::pair<std::string, std::string>>;
    static XAXMLString mismatchInfo(const std::string &key, const XAProjectFile &file, const std::string &value,
                                    const XAProjectFile &referenceFile, const std::string &referenceValue,
                                    const Borders &beginnings, const Borders &endings) {
        const std::string region = xa_escapedForXML(XATranslationRegionName(file));
        const std::string referenceRegion = xa_escapedForXML(XATranslationRegionName(referenceFile));
        std::string sentence = "The " + region + " translation for " + quoted(key) +
                               " differs in border punctuation from the " + referenceRegion + " translation:";
        if (beginnings) {
            sentence += " The beginnings are " + quoted(beginnings->first) + " and " + quoted(beginnings->second) + ".";
        }
        if (endings) {
            sentence += " The endings are " + quoted(endings->first) + " and " + quoted(endings->second) + ".";
        }
        return XAXMLString("<p>" + sentence + "</p><ul><li>" + region + ": " + quoted(value) + "</li><li>" +
                           referenceRegion + ": " + quoted(referenceValue) + "</li></ul>");
    }
};

TESSARY_REGISTER_RULE(XARuleTranslationPunctuation)
