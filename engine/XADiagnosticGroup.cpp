#include "engine/XADiagnosticGroup.h"

#include "core/XACollections.h"
#include "core/XALocales.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "engine/XARuleRegistry.h"

#include <algorithm>
#include <map>
#include <set>

#include <unicode/coll.h>

namespace {

constexpr std::size_t kMaximumSubtitleNames = 5;

// The first path component that ends in ".lproj"; none without.
std::optional<std::string> localizationBundleComponent(const std::optional<std::string> &path) {
    if (!path) {
        return std::nullopt;
    }
    for (const std::string &component : xa_pathComponents(*path)) {
        if (component.ends_with(".lproj")) {
            return component;
        }
    }
    return std::nullopt;
}

// The diagnostics' order inside a group: file name in byte order, then line; what lacks them comes first.
bool precedesInGroup(const XADiagnostic &left, const XADiagnostic &right) {
    const bool leftPlaced = left.filePath() && left.startPositionBytes();
    const bool rightPlaced = right.filePath() && right.startPositionBytes();
    if (!leftPlaced || !rightPlaced) {
        return !leftPlaced && rightPlaced;
    }
    const std::string leftName = xa_lastPathComponent(*left.filePath());
    const std::string rightName = xa_lastPathComponent(*right.filePath());
    if (leftName != rightName) {
        return leftName < rightName;
    }
    return left.startPositionBytes()->line < right.startPositionBytes()->line;
}

// Three-way comparison of two optional values; an absent one comes first.
template <typename T> int compareValues(const std::optional<T> &left, const std::optional<T> &right) {
    if (!left || !right) {
        return left ? 1 : right ? -1 : 0;
    }
    return *left < *right ? -1 : *right < *left ? 1 : 0;
}

int compareByKey(const XADiagnostic &left, const XADiagnostic &right, const std::string &key) {
    auto line = [](const XADiagnostic &diagnostic) {
        return diagnostic.startPositionBytes() ? std::optional<std::uint64_t>(diagnostic.startPositionBytes()->line)
                                               : std::nullopt;
    };
    if (key == "ruleShortName") {
        return compareValues<std::string>(left.ruleShortName(), right.ruleShortName());
    }
    if (key == "ruleName") {
        return compareValues<std::string>(left.ruleName().plainString(), right.ruleName().plainString());
    }
    if (key == "severity") {
        return compareValues<std::int64_t>(left.severity(), right.severity());
    }
    if (key == "confidence") {
        return compareValues<std::int64_t>(left.confidence(), right.confidence());
    }
    if (key == "impact") {
        return compareValues<std::int64_t>(left.impact(), right.impact());
    }
    if (key == "filePath") {
        return compareValues(left.filePath(), right.filePath());
    }
    if (key == "line") {
        return compareValues(line(left), line(right));
    }
    return 0;
}

// The names sorted as the current locale sorts them, without regard to letter case. The POSIX locale's collation is
// byte order, which puts every capital first, so it gives way to the root collation.
void sortLocalizedCaseInsensitive(std::vector<std::string> &names) {
    icu::Locale locale = icu::Locale::getDefault();
    if (std::string_view(locale.getName()) == "en_US_POSIX") {
        locale = icu::Locale::getRoot();
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    auto folded = [](const std::string &name) { return xa_lowercased(name); };
    std::stable_sort(names.begin(), names.end(), [&](const std::string &left, const std::string &right) {
        if (U_FAILURE(status) || !collator) {
            return folded(left) < folded(right);
        }
        UErrorCode compareStatus = U_ZERO_ERROR;
        return collator->compareUTF8(folded(left), folded(right), compareStatus) == UCOL_LESS;
    });
}

// The names without empty and repeated ones, the first of each kept.
std::vector<std::string> withoutEmptiesAndDuplicates(const std::vector<std::string> &names) {
    std::vector<std::string> unique;
    std::set<std::string> seen;
    for (const std::string &name : names) {
        if (!name.empty() && seen.insert(name).second) {
            unique.push_back(name);
        }
    }
    return unique;
}

} // namespace

std::vector<XADiagnosticGroup>
XADiagnosticGroup::groupsFromDiagnostics(const XADiagnostics &diagnostics,
                                         std::shared_ptr<const XADiagnosticPresentation> presentation) {
    std::vector<std::string> keysInOrder;
    std::map<std::string, XADiagnostics> buckets;
    for (const XADiagnostic &diagnostic : diagnostics) {
        const std::string key = diagnostic.collationKey();
        auto [bucket, added] = buckets.try_emplace(key);
        if (added) {
            keysInOrder.push_back(key);
        }
        bucket->second.push_back(diagnostic);
    }
    std::vector<XADiagnosticGroup> groups;
    for (const std::string &key : keysInOrder) {
        groups.push_back(groupWithDiagnostics(std::move(buckets[key]), presentation));
    }
    return groups;
}

XADiagnosticGroup
XADiagnosticGroup::groupWithDiagnostics(XADiagnostics diagnostics,
                                        std::shared_ptr<const XADiagnosticPresentation> presentation) {
    XADiagnosticGroup group;
    group.presentation_ = std::move(presentation);
    group.diagnostics_ = std::move(diagnostics);
    std::stable_sort(group.diagnostics_.begin(), group.diagnostics_.end(), precedesInGroup);
    group.cacheInfo();
    return group;
}

std::vector<XADiagnosticGroup>
XADiagnosticGroup::sortedGroups(std::vector<XADiagnosticGroup> groups,
                                const std::vector<XADiagnosticSortDescriptor> &descriptors) {
    std::stable_sort(groups.begin(), groups.end(), [&](const XADiagnosticGroup &left, const XADiagnosticGroup &right) {
        if (!left.representative() || !right.representative()) {
            return !left.representative() && right.representative();
        }
        for (const XADiagnosticSortDescriptor &descriptor : descriptors) {
            const int order = compareByKey(*left.representative(), *right.representative(), descriptor.key);
            if (order != 0) {
                return descriptor.ascending ? order < 0 : order > 0;
            }
        }
        return false;
    });
    return groups;
}

void XADiagnosticGroup::cacheInfo() {
    std::set<std::optional<std::string>> infos;
    for (const XADiagnostic &diagnostic : diagnostics_) {
        const std::optional<XAXMLString> &info = diagnostic.instanceInfo();
        infos.insert(info ? std::optional<std::string>(info->xmlString()) : std::nullopt);
    }
    allDiagnosticsHaveSameInstanceInfo_ = infos.size() < 2;
}

XAXMLString XADiagnosticGroup::groupInstanceInfo() const {
    if (allDiagnosticsHaveSameInstanceInfo_ && representative() && representative()->instanceInfo()) {
        return *representative()->instanceInfo();
    }
    return XAXMLString();
}

std::vector<std::string> XADiagnosticGroup::subtitleNames() const {
    std::vector<std::string> names;
    if (diagnosticFilePathsAreAllInLocalizationBundles()) {
        names = uniqueDiagnosticFilePathLocalizationBundleLanguageNames();
    }
    if (names.empty()) {
        for (const XADiagnostic &diagnostic : diagnostics_) {
            if (diagnostic.instanceIdentifier()) {
                names.push_back(*diagnostic.instanceIdentifier());
            }
        }
    }
    const bool noIdentifiers = std::none_of(diagnostics_.begin(), diagnostics_.end(),
                                            [](const XADiagnostic &d) { return d.instanceIdentifier().has_value(); });
    if (names.empty() && noIdentifiers) {
        for (const XADiagnostic &diagnostic : diagnostics_) {
            if (diagnostic.filePath()) {
                names.push_back(xa_lastPathComponent(*diagnostic.filePath()));
            }
        }
    }
    names = withoutEmptiesAndDuplicates(names);
    sortLocalizedCaseInsensitive(names);
    return names;
}

XAAttributedString XADiagnosticGroup::groupSubtitle() const {
    const XAXMLString sharedInfo = groupInstanceInfo();
    if (allDiagnosticsHaveSameInstanceInfo_ && !sharedInfo.xmlString().empty()) {
        return sharedInfo.attributedStringOneLine();
    }
    std::vector<std::string> names = subtitleNames();
    const std::string count = std::to_string(diagnostics_.size());
    if (names.empty()) {
        return XAAttributedString(count + " instances");
    }
    if (names.size() > kMaximumSubtitleNames) {
        names.resize(kMaximumSubtitleNames);
        names.push_back("\u2026");
    }
    return XAAttributedString(count + " instances (" + xa_nonEmptyComponentsJoinedWithString(names, ", ") + ")");
}

const XARuleDescriptor *XADiagnosticGroup::commonRule() const {
    if (!representative() || representative()->ruleShortName().empty()) {
        return nullptr;
    }
    return XARuleRegistry::shared().ruleWithShortName(representative()->ruleShortName());
}

bool XADiagnosticGroup::diagnosticFilePathsAreAllInLocalizationBundles() const {
    return std::all_of(diagnostics_.begin(), diagnostics_.end(), [](const XADiagnostic &diagnostic) {
        return localizationBundleComponent(diagnostic.filePath()).has_value();
    });
}

std::vector<std::string> XADiagnosticGroup::uniqueDiagnosticFilePathLocalizationBundleLanguageNames() const {
    std::vector<std::string> names;
    for (const XADiagnostic &diagnostic : diagnostics_) {
        if (std::optional<std::string> bundle = localizationBundleComponent(diagnostic.filePath())) {
            names.push_back(xa_displayNameForBundleLocaleIdentifier(icu::Locale::getDefault(),
                                                                    xa_stringByDeletingPathExtension(*bundle)));
        }
    }
    return withoutEmptiesAndDuplicates(names);
}
