#include "core/XATextOffsets.h"

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <utility>

#include <unicode/brkiter.h>
#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

namespace {

bool isContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// A well-formed four-byte sequence starts at `offset`: one code point that takes two UTF-16 units.
bool startsSupplementaryCharacter(std::string_view text, std::size_t offset) {
    if (static_cast<unsigned char>(text[offset]) < 0xF0) {
        return false;
    }
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(text.data());
    const std::int64_t length = static_cast<std::int64_t>(text.size());
    std::int64_t index = static_cast<std::int64_t>(offset);
    UChar32 codePoint = 0;
    U8_NEXT(bytes, index, length, codePoint);
    return codePoint >= 0x10000;
}

// The number of recorded indexes below `limit`; `indexes` is ascending.
std::size_t countBelow(const std::vector<std::size_t> &indexes, std::size_t limit) {
    return static_cast<std::size_t>(std::lower_bound(indexes.begin(), indexes.end(), limit) - indexes.begin());
}

// The grapheme-cluster iterator of the calling thread (ICU iterators must not be shared between
// threads, and building one is costly). Null when ICU has no break rules.
icu::BreakIterator *threadCharacterIterator() {
    thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> created(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(created) : nullptr;
    }();
    return iterator.get();
}

// Grapheme-cluster boundaries of one UTF-8 text, in byte offsets. Without ICU break rules each
// code point counts as a cluster.
class ClusterBoundaries {
public:
    explicit ClusterBoundaries(std::string_view text) : text_(text), iterator_(threadCharacterIterator()) {
        UErrorCode status = U_ZERO_ERROR;
        utext_openUTF8(&utext_, text.data(), static_cast<std::int64_t>(text.size()), &status);
        if (iterator_ && U_SUCCESS(status)) {
            iterator_->setText(&utext_, status);
        }
        // ICU iterators take 32-bit offsets.
        if (U_FAILURE(status) || text.size() > static_cast<std::size_t>(INT32_MAX)) {
            iterator_ = nullptr;
        }
    }
    ~ClusterBoundaries() { utext_close(&utext_); }
    ClusterBoundaries(const ClusterBoundaries &) = delete;
    ClusterBoundaries &operator=(const ClusterBoundaries &) = delete;

    // The last boundary at or before `offset`.
    std::size_t atOrBefore(std::size_t offset) {
        if (offset == 0 || offset >= text_.size()) {
            return std::min(offset, text_.size());
        }
        if (!iterator_) {
            while (offset > 0 && isContinuationByte(static_cast<unsigned char>(text_[offset]))) {
                --offset;
            }
            return offset;
        }
        // ICU moves an offset inside a UTF-8 sequence to the sequence's start before it looks for
        // boundaries, and would then step back one cluster too many.
        auto native = static_cast<std::int32_t>(offset);
        U8_SET_CP_START(bytes(), 0, native);
        return iterator_->isBoundary(native) ? static_cast<std::size_t>(native)
                                             : static_cast<std::size_t>(iterator_->preceding(native));
    }

    // The first boundary at or after `offset`.
    std::size_t atOrAfter(std::size_t offset) {
        if (offset == 0 || offset >= text_.size()) {
            return std::min(offset, text_.size());
        }
        if (!iterator_) {
            while (offset < text_.size() && isContinuationByte(static_cast<unsigned char>(text_[offset]))) {
                ++offset;
            }
            return offset;
        }
        auto native = static_cast<std::int32_t>(offset);
        U8_SET_CP_LIMIT(bytes(), 0, native, static_cast<std::int32_t>(text_.size()));
        if (native >= static_cast<std::int32_t>(text_.size())) {
            return text_.size();
        }
        return iterator_->isBoundary(native) ? static_cast<std::size_t>(native)
                                             : static_cast<std::size_t>(iterator_->following(native));
    }

    std::size_t count() {
        if (!iterator_) {
            return xa_codePointLength(text_);
        }
        std::size_t clusters = 0;
        iterator_->first();
        while (iterator_->next() != icu::BreakIterator::DONE) {
            ++clusters;
        }
        return clusters;
    }

private:
    const std::uint8_t *bytes() const { return reinterpret_cast<const std::uint8_t *>(text_.data()); }

    std::string_view text_;
    icu::BreakIterator *iterator_;
    UText utext_ = UTEXT_INITIALIZER;
};

// The thread's transliterator for an identifier and direction, built once; null when unknown.
icu::Transliterator *threadTransliterator(const std::string &transformID, bool reverse) {
    thread_local std::map<std::pair<std::string, bool>, std::unique_ptr<icu::Transliterator>> cache;
    auto key = std::make_pair(transformID, reverse);
    auto found = cache.find(key);
    if (found == cache.end()) {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> created(icu::Transliterator::createInstance(
            icu::UnicodeString::fromUTF8(transformID), reverse ? UTRANS_REVERSE : UTRANS_FORWARD, status));
        if (U_FAILURE(status)) {
            created.reset();
        }
        found = cache.emplace(std::move(key), std::move(created)).first;
    }
    return found->second.get();
}

} // namespace

std::vector<std::size_t> xa_utf8ByteOffsetsToCodePointOffsets(std::string_view text,
                                                              const std::vector<std::size_t> &byteOffsets) {
    std::vector<std::size_t> result;
    result.reserve(byteOffsets.size());
    if (byteOffsets.empty()) {
        return result;
    }
    std::vector<std::size_t> continuationBytes;
    continuationBytes.reserve(text.size() / 4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuationByte(static_cast<unsigned char>(text[i]))) {
            continuationBytes.push_back(i);
        }
    }
    for (std::size_t byteOffset : byteOffsets) {
        if (byteOffset >= text.size()) {
            result.push_back(XANotFound);
        } else {
            // The continuation byte the offset points at counts too, so a mid-character offset
            // lands on its character.
            result.push_back(byteOffset - countBelow(continuationBytes, byteOffset + 1));
        }
    }
    return result;
}

std::vector<std::size_t> xa_codePointOffsetsToNSStringOffsets(std::string_view text,
                                                              const std::vector<std::size_t> &codePointOffsets) {
    std::vector<std::size_t> result;
    result.reserve(codePointOffsets.size());
    if (codePointOffsets.empty()) {
        return result;
    }
    // Code-point indexes of the characters that take a surrogate pair.
    std::vector<std::size_t> supplementaryCharacters;
    supplementaryCharacters.reserve(text.size() / 4);
    std::size_t codePoints = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuationByte(static_cast<unsigned char>(text[i]))) {
            continue;
        }
        if (startsSupplementaryCharacter(text, i)) {
            supplementaryCharacters.push_back(codePoints);
        }
        ++codePoints;
    }
    for (std::size_t codePointOffset : codePointOffsets) {
        if (codePointOffset >= codePoints) {
            result.push_back(XANotFound);
        } else {
            // Each surrogate pair that begins before the target adds one unit.
            result.push_back(codePointOffset + countBelow(supplementaryCharacters, codePointOffset));
        }
    }
    return result;
}

std::size_t xa_codePointLength(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char byte) { return !isContinuationByte(static_cast<unsigned char>(byte)); }));
}

std::optional<std::string> xa_safeSubstringWithRange(std::string_view text, std::size_t location, std::size_t length) {
    const std::optional<XAStringRange> range = xa_rangeOfComposedCharacterSequences(text, location, length);
    return range ? std::optional(std::string(text.substr(range->location, range->length))) : std::nullopt;
}

std::optional<XAStringRange> xa_rangeOfComposedCharacterSequences(std::string_view text, std::size_t location,
                                                                  std::size_t length) {
    if (location >= text.size()) {
        return std::nullopt;
    }
    const std::size_t end = length > text.size() - location ? text.size() : location + length;
    ClusterBoundaries boundaries(text);
    const std::size_t widenedStart = boundaries.atOrBefore(location);
    const std::size_t widenedEnd = std::max(widenedStart, boundaries.atOrAfter(end));
    return XAStringRange{widenedStart, widenedEnd - widenedStart};
}

std::optional<std::string> xa_graphemeClusterAtIndex(std::string_view text, std::size_t index) {
    return xa_safeSubstringWithRange(text, index, 1);
}

std::size_t xa_graphemeClusterLength(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    return ClusterBoundaries(text).count();
}

bool xa_containsNonASCIICodePoints(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; });
}

std::optional<std::string> xa_stringByApplyingTransform(std::string_view text, const std::string &transformID,
                                                        bool reverse) {
    icu::Transliterator *transliterator = threadTransliterator(transformID, reverse);
    if (!transliterator) {
        return std::nullopt;
    }
    icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), text.size()));
    transliterator->transliterate(unicode);
    std::string result;
    unicode.toUTF8String(result);
    return result;
}

std::string xa_stringByTranslatingUnicodeEscapeSequences(std::string_view text) {
    return xa_stringByApplyingTransform(text, "Any-Hex/Java", true).value_or(std::string(text));
}

std::string xa_stringFromUTF32Char(std::uint32_t codePoint) {
    if (codePoint > 0x10FFFF || U_IS_SURROGATE(codePoint)) {
        codePoint = 0xFFFD;
    }
    char bytes[U8_MAX_LENGTH];
    std::int32_t length = 0;
    U8_APPEND_UNSAFE(bytes, length, static_cast<UChar32>(codePoint));
    return std::string(bytes, static_cast<std::size_t>(length));
}
