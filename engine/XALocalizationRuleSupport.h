#pragma once

// What the localisation rules share: the option group that names the project's own localized-string routines, the
// record of the keys that code loads, and the reading of the project's string tables. Nothing here keeps state; the
// recorded keys live in the run's state store under the key each rule names.

#include "engine/XARuleContext.h"
#include "engine/config/XARuleOption.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"
#include "project/XAStringsFileEntry.h"

#include <clang-c/Index.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

inline constexpr const char *kXALocalizedStringRoutinesOption = "localizedStringRoutines";

// The collective group "_LocalizationRules" with the option "localizedStringRoutines", made anew on every call.
XARuleOptionGroup XALocalizationRulesOptionGroup();

// The (key, table) uses the cursor makes of the application's tables, by the localized-string finder with the
// routines: a lookup without a key (a key that is no literal) or without a table (a table that is no literal) names
// no table entry and is left out. None when the cursor is no lookup.
std::vector<XALocalizationKeyUsage> XALocalizationKeyUsagesOfCursor(CXCursor cursor,
                                                                    const std::vector<std::string> &routines);

// The state list under which a rule records the (key, table) uses that code makes.
std::string XALocalizationKeyUsagesStateKey(const std::string &ruleShortName);

// The uses the rule recorded under its state list over the run; none when it recorded nothing.
std::vector<XALocalizationKeyUsage> XARecordedLocalizationKeyUsages(const XARuleContext &context,
                                                                    const std::string &ruleShortName);

// The table a strings file belongs to: its name without the extension ("Localizable" for "Localizable.strings").
std::string XAStringsTableNameOfFile(const XAProjectFile &file);

// The tables of the target's resources whose files are of the extension ("xcstrings", "xib"), by table name.
std::set<std::string> XATablesOfTargetResourcesWithExtension(const XAProjectTarget &target,
                                                             const std::string &extension);

// The key-value dictionary of a `.strings` file, or the property list of a `.stringsdict` file. A file that cannot
// be read is reported through the context as the error "Cannot read strings file <path> : <reason>" and gives no
// value.
std::optional<XADictionary> XAReadStringsTableReportingErrors(const XAProjectFile &file, const XARuleContext &context);

// The name of a localisation's language in the user's language ("French" for "fr" in English).
std::string XALanguageDisplayName(const std::string &localeIdentifier);
