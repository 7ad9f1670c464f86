#include "engine/XAJsonObject.h"

#include "core/XAString.h"

#include <algorithm>

namespace {

// A real entry follows: the separator of an entry is "," exactly then, so that commented-out entries at the end of a
// list leave no comma behind.
bool realEntryFollows(const XAJsonObject::Entries &entries, std::size_t index) {
    return std::any_of(entries.begin() + static_cast<std::ptrdiff_t>(index) + 1, entries.end(),
                       [](const XAJsonObject &entry) { return !entry.isEmptyLine() && !entry.commentedOut(); });
}

// The comment with every line break turned into a blank: a comment is re-flowed as one paragraph.
std::string asOneParagraph(const std::string &comment) {
    std::string paragraph;
    for (std::size_t i = 0; i < comment.size();) {
        const XAUTF8Char character = XADecodeUTF8(comment, i);
        paragraph += character.valid && XAIsNewline(character.codePoint) ? std::string(" ")
                                                                         : comment.substr(i, character.length);
        i += character.length;
    }
    return paragraph;
}

void appendComment(std::string &text, const std::string &comment, const std::string &indentation,
                   std::size_t maxLineLength) {
    const std::size_t reserved = 3 + indentation.size(); // the indentation and "// "
    const std::size_t width = maxLineLength > reserved ? maxLineLength - reserved : 0;
    for (const std::string &line : xa_lines(xa_wordWrapToLength(asOneParagraph(comment), width))) {
        text += indentation + "// " + line + "\n";
    }
}

} // namespace

XAJsonObject XAJsonObject::jsonValue(std::optional<Value> value, std::optional<std::string> key,
                                     std::optional<std::string> comment, bool commentedOut) {
    XAJsonObject object;
    object.value_ = std::move(value);
    object.key_ = std::move(key);
    object.comment_ = std::move(comment);
    object.commentedOut_ = commentedOut;
    return object;
}

XAJsonObject XAJsonObject::emptyLine() {
    XAJsonObject object;
    object.isEmptyLine_ = true;
    return object;
}

std::string XAJsonObject::jsonFromObjects(const Entries &entries, std::size_t indent, std::size_t depth,
                                          std::size_t maxLineLength) {
    std::string text = "{\n";
    const std::string indentation(indent * depth, ' ');
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const XAJsonObject &entry = entries[i];
        if (entry.isEmptyLine()) {
            text += "\n";
            continue;
        }
        const std::string separator = realEntryFollows(entries, i) ? "," : "";
        if (entry.comment_) {
            appendComment(text, *entry.comment_, indentation, maxLineLength);
        }
        if (!entry.key_ || !entry.value_) {
            continue;
        }
        text += indentation + (entry.commentedOut_ ? "//" : "") + "\"" + *entry.key_ + "\": ";
        if (const Entries *nested = std::get_if<Entries>(&*entry.value_)) {
            std::string object = jsonFromObjects(*nested, indent, depth + 1, maxLineLength);
            object.insert(object.size() - 1, indentation);
            text += object;
        } else {
            text += std::get<std::string>(*entry.value_);
        }
        text += separator + "\n";
    }
    return text + "}";
}

std::string XAJsonObject::description() const {
    std::string value = "(null)";
    if (value_) {
        value = std::holds_alternative<std::string>(*value_)
                    ? std::get<std::string>(*value_)
                    : "(" + std::to_string(std::get<Entries>(*value_).size()) + " entries)";
    }
    return "/* " + comment_.value_or("(null)") + " */ '" + key_.value_or("(null)") + "': " + value +
           " (commented out: " + (commentedOut_ ? "YES" : "NO") + ")";
}
