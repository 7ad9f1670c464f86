#include "core/XALocales.h"

#include "core/XAString.h"

#include <algorithm>
#include <memory>

#include <unicode/strenum.h>
#include <unicode/unistr.h>

namespace {

std::optional<std::string> nonEmpty(const char *component) {
    if (!component || !*component) {
        return std::nullopt;
    }
    return std::string(component);
}

std::size_t keywordCount(const icu::Locale &locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::StringEnumeration> keywords(locale.createKeywords(status));
    if (U_FAILURE(status) || !keywords) {
        return 0;
    }
    const std::int32_t count = keywords->count(status);
    return U_SUCCESS(status) && count > 0 ? static_cast<std::size_t>(count) : 0;
}

} // namespace

icu::Locale xa_localeWithLocaleIdentifier(const std::string &identifier) {
    // ICU reads "-" as a separator too, and turns "zh-Hant-TW" into zh_Hant_TW.
    return icu::Locale(identifier.c_str());
}

std::optional<std::string> xa_languageCode(const icu::Locale &locale) { return nonEmpty(locale.getLanguage()); }

std::optional<std::string> xa_countryCode(const icu::Locale &locale) { return nonEmpty(locale.getCountry()); }

std::optional<std::string> xa_scriptCode(const icu::Locale &locale) { return nonEmpty(locale.getScript()); }

std::optional<std::string> xa_variantCode(const icu::Locale &locale) { return nonEmpty(locale.getVariant()); }

std::string xa_displayNameForBundleLocaleIdentifier(const icu::Locale &locale, const std::string &identifier) {
    if (xa_trimmed(identifier).empty()) {
        return identifier.empty() ? "unlocalized" : identifier;
    }
    const icu::Locale named = xa_localeWithLocaleIdentifier(identifier);
    // ICU falls back to the code itself when it has no name for a language.
    icu::UnicodeString language;
    named.getDisplayLanguage(locale, language);
    if (language.isEmpty() || language.caseCompare(icu::UnicodeString::fromUTF8(named.getLanguage()), 0) == 0) {
        return identifier;
    }
    icu::UnicodeString name;
    named.getDisplayName(locale, name);
    std::string result;
    name.toUTF8String(result);
    return result.empty() ? identifier : result;
}

int xa_specificityOfLocaleIdentifier(const std::string &identifier) {
    if (xa_trimmed(identifier).empty()) {
        return -2;
    }
    if (identifier.size() == 4 && icu::UnicodeString::fromUTF8(identifier).caseCompare(u"base", 0) == 0) {
        return -1;
    }
    const icu::Locale locale = xa_localeWithLocaleIdentifier(identifier);
    int components = 0;
    for (const char *component : {locale.getLanguage(), locale.getScript(), locale.getCountry(), locale.getVariant()}) {
        components += (component && *component) ? 1 : 0;
    }
    return components + static_cast<int>(keywordCount(locale));
}

std::vector<std::string> xa_localeIdentifiersSortedFromMostToLeastSpecific(std::vector<std::string> identifiers) {
    std::vector<std::pair<int, std::string>> keyed;
    keyed.reserve(identifiers.size());
    for (std::string &identifier : identifiers) {
        keyed.emplace_back(xa_specificityOfLocaleIdentifier(identifier), std::move(identifier));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto &left, const auto &right) { return left.first < right.first; });
    identifiers.clear();
    for (auto &entry : keyed) {
        identifiers.push_back(std::move(entry.second));
    }
    return identifiers;
}
