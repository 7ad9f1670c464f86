#include "engine/XARuleSearch.h"

#include "core/XAString.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

constexpr std::string_view kNewSinceQueryPrefix = "new_since:";

std::set<std::string> wordsOf(std::string_view lowerText) {
    std::set<std::string> words;
    for (std::string &word : xa_sentenceWords(lowerText)) {
        if (!word.empty()) { // runs of blanks make no words
            words.insert(std::move(word));
        }
    }
    return words;
}

std::uint64_t withBonus(std::uint64_t relevance, std::uint64_t bonus) { return relevance ? relevance + bonus : 0; }

} // namespace

std::uint64_t XARuleBaseRelevanceForString(std::string_view text, std::string_view query) {
    const std::string lowerText = xa_lowercased(text);
    const std::string lowerQuery = xa_lowercased(query);
    if (lowerText.find(lowerQuery) != std::string::npos) {
        return 20;
    }
    const std::set<std::string> textWords = wordsOf(lowerText);
    const std::set<std::string> queryWords = wordsOf(lowerQuery);
    std::uint64_t common = 0;
    for (const std::string &word : queryWords) {
        common += textWords.contains(word) ? 1 : 0;
    }
    if (common > 0) {
        return 10 + std::min<std::uint64_t>(common, 9);
    }
    for (const std::string &textWord : textWords) {
        for (const std::string &queryWord : queryWords) {
            if (textWord.find(queryWord) != std::string::npos) {
                return 5;
            }
        }
    }
    return 0;
}

std::uint64_t XARuleRelevanceForSearchQuery(const XARuleDescriptor &rule, std::string_view query) {
    if (query.starts_with(kNewSinceQueryPrefix)) {
        const std::int64_t since =
            std::strtoll(std::string(query.substr(kNewSinceQueryPrefix.size())).c_str(), nullptr, 10);
        const std::uint64_t order = rule.introductionOrderNumber();
        if (since >= 0 && order <= static_cast<std::uint64_t>(since)) {
            return 0;
        }
        return static_cast<std::uint64_t>(since) - order;
    }
    std::string tags;
    for (const std::string &tag : rule.tags) {
        tags += (tags.empty() ? "" : " ") + tag;
    }
    if (std::uint64_t relevance = withBonus(XARuleBaseRelevanceForString(rule.ruleName.plainString(), query), 100)) {
        return relevance;
    }
    if (std::uint64_t relevance = withBonus(XARuleBaseRelevanceForString(rule.shortName, query), 80)) {
        return relevance;
    }
    if (std::uint64_t relevance = withBonus(XARuleBaseRelevanceForString(tags, query), 60)) {
        return relevance;
    }
    return XARuleBaseRelevanceForString(rule.ruleDescription.plainString(), query);
}

int XARuleCompareUsingSearchRelevance(const XARuleDescriptor &rule, const XARuleDescriptor &other,
                                      std::string_view query) {
    const std::uint64_t relevance = XARuleRelevanceForSearchQuery(rule, query);
    const std::uint64_t otherRelevance = XARuleRelevanceForSearchQuery(other, query);
    return relevance < otherRelevance ? -1 : relevance > otherRelevance ? 1 : 0;
}
