#pragma once

// Locale identifiers as they name localisations in projects ("en", "pt-BR", "zh-Hans", "Base"),
// read with ICU.

#include <optional>
#include <string>
#include <vector>

#include <unicode/locid.h>

// The locale an identifier names; "-" and "_" both separate its components.
icu::Locale xa_localeWithLocaleIdentifier(const std::string &identifier);

// One component of a locale, or empty when the locale has none.
std::optional<std::string> xa_languageCode(const icu::Locale &locale);
std::optional<std::string> xa_countryCode(const icu::Locale &locale);
std::optional<std::string> xa_scriptCode(const icu::Locale &locale);
std::optional<std::string> xa_variantCode(const icu::Locale &locale);

// The name of the identifier's language (and region, script ...) in the language of `locale`:
// "German (Switzerland)" for "de_CH" in English. The identifier itself when there is no name for
// its language (as for "Base"), and "unlocalized" when the identifier is empty.
std::string xa_displayNameForBundleLocaleIdentifier(const icu::Locale &locale, const std::string &identifier);

// How specific an identifier is: -2 when empty or blank, -1 for "Base" in any letter case (the base
// localisation), otherwise the number of components it names (language, script, country, variant
// and keywords): 1 for "en", 2 for "en_US", 3 for "zh_Hans_CN".
int xa_specificityOfLocaleIdentifier(const std::string &identifier);

// The identifiers ordered by ascending specificity (so "Base" comes before "en", which comes before
// "en_US"); identifiers of equal specificity keep their order.
std::vector<std::string> xa_localeIdentifiersSortedFromMostToLeastSpecific(std::vector<std::string> identifiers);
