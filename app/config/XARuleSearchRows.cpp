#include "app/config/XARuleSearchRows.h"

#include "core/XAString.h"
#include "engine/XARuleSearch.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

XARuleList XARulesSortedByName(XARuleList rules) {
    std::ranges::stable_sort(rules, [](const XARuleDescriptor *a, const XARuleDescriptor *b) {
        return a->ruleName.plainString() < b->ruleName.plainString();
    });
    return rules;
}

XARuleList XARulesForSearchText(const XARuleList &rules, const std::string &text) {
    if (xa_trimmed(text).empty()) {
        return rules;
    }
    std::vector<std::pair<std::uint64_t, const XARuleDescriptor *>> scored;
    for (const XARuleDescriptor *rule : rules) {
        if (const std::uint64_t relevance = XARuleRelevanceForSearchQuery(*rule, text)) {
            scored.emplace_back(relevance, rule);
        }
    }
    std::ranges::stable_sort(scored, [](const auto &a, const auto &b) { return a.first > b.first; });
    XARuleList matches;
    for (const auto &[relevance, rule] : scored) {
        matches.push_back(rule);
    }
    return matches;
}

std::vector<std::pair<qsizetype, qsizetype>> XAHighlightedRanges(const QString &text, const QString &searchText) {
    const QStringList words = searchText.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    std::vector<std::pair<qsizetype, qsizetype>> ranges;
    qsizetype position = 0;
    while (position < text.size() && !words.isEmpty()) {
        qsizetype bestStart = -1;
        qsizetype bestLength = 0;
        for (const QString &word : words) {
            const qsizetype start = text.indexOf(word, position, Qt::CaseInsensitive);
            if (start >= 0 &&
                (bestStart < 0 || start < bestStart || (start == bestStart && word.size() > bestLength))) {
                bestStart = start;
                bestLength = word.size();
            }
        }
        if (bestStart < 0) {
            break;
        }
        ranges.emplace_back(bestStart, bestLength);
        position = bestStart + bestLength;
    }
    return ranges;
}
