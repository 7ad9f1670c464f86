#include "core/XAStringMatching.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <memory>
#include <unordered_set>

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace {

// Whether each UTF-16 index of `text` (its length included) lies on a user-perceived character
// boundary.
std::vector<bool> characterBoundaries(const icu::UnicodeString &text) {
    std::vector<bool> boundaries(static_cast<size_t>(text.length()) + 1, false);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> iterator(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status) || !iterator) {
        for (int32_t i = 0; i <= text.length(); ++i) {
            boundaries[static_cast<size_t>(i)] = !U16_IS_TRAIL(text.charAt(i)) || i == text.length();
        }
        return boundaries;
    }
    iterator->setText(text);
    for (int32_t b = iterator->first(); b != icu::BreakIterator::DONE; b = iterator->next()) {
        boundaries[static_cast<size_t>(b)] = true;
    }
    return boundaries;
}

struct CommonSubstring {
    int32_t start = 0; // in the first string's UTF-16 units
    int32_t length = 0;
};

// Longest common substring of two UTF-16 texts over a table of common-suffix lengths, filled row by
// row over `a` and column by column over `b`. Only two rows are kept. Every entry that reaches the
// best length is a candidate; `widen` turns a candidate into the range actually taken, and a later
// candidate replaces the chosen one only when its range is strictly longer.
template <typename Widen>
std::optional<CommonSubstring> longestCommonSubstring(const icu::UnicodeString &a, const icu::UnicodeString &b,
                                                      Widen widen) {
    const int32_t n = a.length();
    const int32_t m = b.length();
    if (n == 0 || m == 0) {
        return std::nullopt;
    }
    std::vector<int32_t> previous(static_cast<size_t>(m) + 1, 0);
    std::vector<int32_t> current(static_cast<size_t>(m) + 1, 0);
    int32_t best = 0;
    std::optional<CommonSubstring> chosen;
    const char16_t *aUnits = a.getBuffer();
    const char16_t *bUnits = b.getBuffer();
    for (int32_t i = 0; i < n; ++i) {
        const char16_t unit = aUnits[i];
        for (int32_t j = 0; j < m; ++j) {
            const int32_t entry = unit == bUnits[j] ? previous[static_cast<size_t>(j)] + 1 : 0;
            current[static_cast<size_t>(j) + 1] = entry;
            if (entry == 0 || entry < best) {
                continue;
            }
            if (entry > best) {
                best = entry;
                chosen.reset();
            }
            const CommonSubstring candidate = widen(CommonSubstring{i + 1 - entry, entry});
            if (!chosen || candidate.length > chosen->length) {
                chosen = candidate;
            }
        }
        std::swap(previous, current);
    }
    return chosen;
}

// The candidate widened to whole user-perceived characters of `boundaries`' text.
CommonSubstring widened(CommonSubstring candidate, const std::vector<bool> &boundaries) {
    auto start = static_cast<size_t>(candidate.start);
    auto end = static_cast<size_t>(candidate.start + candidate.length);
    while (start > 0 && !boundaries[start]) {
        --start;
    }
    while (end < boundaries.size() - 1 && !boundaries[end]) {
        ++end;
    }
    return {static_cast<int32_t>(start), static_cast<int32_t>(end - start)};
}

// UTF-16 length of the widened longest common substring, as xa_longestCommonSubstringWith gives it.
int32_t longestCommonSubstringLength(const icu::UnicodeString &a, const icu::UnicodeString &b) {
    std::vector<bool> boundaries;
    const bool allBoundaries = std::none_of(a.getBuffer(), a.getBuffer() + a.length(), [](char16_t unit) {
        // Below U+0300 only CR LF joins two code points into one character.
        return unit >= 0x300 || unit == u'\r';
    });
    if (!allBoundaries) {
        boundaries = characterBoundaries(a);
    }
    const std::optional<CommonSubstring> found = longestCommonSubstring(
        a, b, [&](CommonSubstring candidate) { return allBoundaries ? candidate : widened(candidate, boundaries); });
    return found ? found->length : 0;
}

bool isAlphanumeric(char32_t c) {
    return (U_GET_GC_MASK(static_cast<UChar32>(c)) & (U_GC_L_MASK | U_GC_M_MASK | U_GC_N_MASK)) != 0;
}

std::vector<std::string_view> alphanumericComponents(std::string_view s) {
    std::vector<std::string_view> components;
    size_t start = 0;
    for (size_t i = 0; i <= s.size();) {
        const XAUTF8Char ch = XADecodeUTF8(s, i);
        if (i == s.size() || !ch.valid || !isAlphanumeric(ch.codePoint)) {
            if (i > start) {
                components.push_back(s.substr(start, i - start));
            }
            if (i == s.size()) {
                break;
            }
            start = i + ch.length;
        }
        i += ch.length;
    }
    return components;
}

std::string caseFolded(std::string_view s) {
    icu::UnicodeString u = XAUnicodeStringFromUTF8(s);
    return XAUTF8FromUnicodeString(u.foldCase(U_FOLD_CASE_DEFAULT));
}

std::string lowerCased(std::string_view s) {
    icu::UnicodeString u = XAUnicodeStringFromUTF8(s);
    return XAUTF8FromUnicodeString(u.toLower(icu::Locale::getRoot()));
}

} // namespace

std::optional<std::string> xa_longestCommonSubstringWith(std::string_view s, std::string_view other) {
    const icu::UnicodeString a = XAUnicodeStringFromUTF8(s);
    const icu::UnicodeString b = XAUnicodeStringFromUTF8(other);
    if (a.isEmpty() || b.isEmpty()) {
        return std::nullopt;
    }
    const std::vector<bool> boundaries = characterBoundaries(a);
    const std::optional<CommonSubstring> found =
        longestCommonSubstring(a, b, [&](CommonSubstring candidate) { return widened(candidate, boundaries); });
    if (!found) {
        return std::nullopt;
    }
    return XAUTF8FromUnicodeString(a.tempSubString(found->start, found->length));
}

std::vector<std::string> xa_matchingAlphanumericComponentsWithString(std::string_view s, std::string_view other,
                                                                     XAStringComparison comparison) {
    const bool caseInsensitive = comparison == XAStringComparison::CaseInsensitive;
    std::unordered_set<std::string> others;
    for (std::string_view component : alphanumericComponents(other)) {
        others.insert(caseInsensitive ? caseFolded(component) : std::string(component));
    }
    std::vector<std::string> matching;
    for (std::string_view component : alphanumericComponents(s)) {
        if (others.count(caseInsensitive ? caseFolded(component) : std::string(component))) {
            matching.emplace_back(component);
        }
    }
    return matching;
}

std::vector<std::string> xa_stringsOrderedByMatchDistance(std::string_view s,
                                                          const std::vector<std::string> &candidates) {
    using Closeness = std::array<size_t, 4>;
    const icu::UnicodeString receiver = XAUnicodeStringFromUTF8(s);
    const icu::UnicodeString lowerReceiver = XAUnicodeStringFromUTF8(lowerCased(s));
    std::vector<Closeness> closeness;
    closeness.reserve(candidates.size());
    for (const std::string &candidate : candidates) {
        closeness.push_back({
            xa_matchingAlphanumericComponentsWithString(candidate, s, XAStringComparison::Literal).size(),
            xa_matchingAlphanumericComponentsWithString(candidate, s, XAStringComparison::CaseInsensitive).size(),
            static_cast<size_t>(longestCommonSubstringLength(XAUnicodeStringFromUTF8(candidate), receiver)),
            static_cast<size_t>(
                longestCommonSubstringLength(XAUnicodeStringFromUTF8(lowerCased(candidate)), lowerReceiver)),
        });
    }
    std::vector<size_t> order(candidates.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&](size_t x, size_t y) { return closeness[x] > closeness[y]; });
    std::vector<std::string> ordered;
    ordered.reserve(order.size());
    for (size_t i : order) {
        ordered.push_back(candidates[i]);
    }
    return ordered;
}

std::optional<std::string> xa_closestMatchInArray(std::string_view s, const std::vector<std::string> &candidates) {
    if (candidates.empty()) {
        return std::nullopt;
    }
    return xa_stringsOrderedByMatchDistance(s, candidates).front();
}

bool xa_isCloseMatch(std::string_view s, std::string_view candidate) {
    const auto lower = [](std::string_view text) {
        std::string lowered(text);
        std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return lowered;
    };
    const std::string a = lower(s);
    const std::string b = lower(candidate);
    // Optimal string alignment distance, row by row.
    std::vector<std::vector<std::size_t>> distance(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        for (std::size_t j = 0; j <= b.size(); ++j) {
            if (i == 0 || j == 0) {
                distance[i][j] = i + j;
                continue;
            }
            const std::size_t replace = distance[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            distance[i][j] = std::min({distance[i - 1][j] + 1, distance[i][j - 1] + 1, replace});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                distance[i][j] = std::min(distance[i][j], distance[i - 2][j - 2] + 1);
            }
        }
    }
    const std::size_t allowed = std::max<std::size_t>(1, std::min(a.size(), b.size()) / 3);
    return distance[a.size()][b.size()] <= allowed;
}
