#pragma once

// The text of a JSON object whose entries carry comments for people: an entry may be preceded by a word-wrapped "//"
// comment, may be commented out as a whole, and may hold a nested object; empty lines separate groups of entries.
// The configuration-file writer builds its files from these elements. The result is JSON with line comments, which
// the configuration reader accepts; plain JSON parsers do not.
//
// The writer does not serialise values: an entry's value is either text that is already JSON or a list of further
// entries that becomes a nested object.

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class XAJsonObject {
public:
    using Entries = std::vector<XAJsonObject>;
    // JSON text written as it is, or the entries of a nested object.
    using Value = std::variant<std::string, Entries>;

    // An entry. The key is written between double quotes as it is, unescaped, so it must not hold a double quote.
    static XAJsonObject jsonValue(std::optional<Value> value, std::optional<std::string> key,
                                  std::optional<std::string> comment, bool commentedOut);
    // The item that stands for an empty line between entries.
    static XAJsonObject emptyLine();

    bool commentedOut() const { return commentedOut_; }
    const std::optional<std::string> &jsonKey() const { return key_; }
    const std::optional<Value> &jsonValue() const { return value_; }
    const std::optional<std::string> &jsonComment() const { return comment_; }
    bool isEmptyLine() const { return isEmptyLine_; }

    // The text of one object whose entries are indented by `indent` × `depth` blanks and whose comments are wrapped
    // so that their lines stay within `maxLineLength`; it begins with "{" and a line break and ends with "}".
    static std::string jsonFromObjects(const Entries &entries, std::size_t indent, std::size_t depth,
                                       std::size_t maxLineLength);
    // The same at depth 1: the text of a whole file.
    static std::string jsonFromObjects(const Entries &entries, std::size_t indent, std::size_t maxLineLength) {
        return jsonFromObjects(entries, indent, 1, maxLineLength);
    }

    // "/* <comment> */ '<key>': <value> (commented out: YES|NO)", for debugging.
    std::string description() const;

private:
    XAJsonObject() = default;

    bool commentedOut_ = false;
    bool isEmptyLine_ = false;
    std::optional<std::string> key_;
    std::optional<Value> value_;
    std::optional<std::string> comment_;
};
