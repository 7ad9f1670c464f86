#include "core/XAOpenStepWriter.h"

#include "core/XAISO8601Date.h"
#include "core/XAPropertyListInternal.h"

#include <algorithm>
#include <cstdio>

namespace {

// Strings that the reader would take back unchanged without quotes; others are quoted.
bool isOpenStepToken(std::string_view text) {
    if (text.empty() || text.starts_with("//") || text.find("/*") != std::string_view::npos) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), xa_detail::isOpenStepTokenCharacter);
}

void appendOpenStepString(std::string &out, std::string_view text) {
    if (isOpenStepToken(text)) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\U%04X", static_cast<unsigned>(c));
                out += escape;
            } else {
                out += c; // UTF-8 bytes pass through as they are
            }
        }
    }
    out += '"';
}

class OpenStepPrinter {
public:
    bool write(const XAValue &value, std::string &out, std::size_t depth);
    const std::string &problem() const { return problem_; }

private:
    static void indent(std::string &out, std::size_t depth) { out.append(depth, '\t'); }
    bool fail(const std::string &what) {
        problem_ = what + (path_.empty() ? " at the top level" : " at " + path_) + " cannot be written as OpenStep";
        return false;
    }

    std::string path_;
    std::string problem_;
};

bool OpenStepPrinter::write(const XAValue &value, std::string &out, std::size_t depth) {
    char buffer[64];
    switch (value.type()) {
    case XAValue::Type::Null:
        return fail("a null value");
    case XAValue::Type::Boolean:
        out += *value.boolean() ? "YES" : "NO";
        return true;
    case XAValue::Type::Integer:
        out += std::to_string(*value.integer());
        return true;
    case XAValue::Type::Real:
        std::snprintf(buffer, sizeof buffer, "%.17g", *value.real());
        appendOpenStepString(out, buffer);
        return true;
    case XAValue::Type::String:
        appendOpenStepString(out, *value.string());
        return true;
    case XAValue::Type::Date:
        appendOpenStepString(out, XAISO8601StringFromDate(*value.date()));
        return true;
    case XAValue::Type::Data: {
        out += '<';
        const XAData &bytes = *value.data();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            std::snprintf(buffer, sizeof buffer, (i > 0 && i % 4 == 0) ? " %02x" : "%02x", bytes[i]);
            out += buffer;
        }
        out += '>';
        return true;
    }
    case XAValue::Type::Array: {
        out += "(\n";
        const std::size_t pathLength = path_.size();
        const auto &elements = *value.array();
        for (std::size_t i = 0; i < elements.size(); ++i) {
            indent(out, depth + 1);
            path_ += "[" + std::to_string(i) + "]";
            if (!write(elements[i], out, depth + 1)) {
                return false;
            }
            path_.resize(pathLength);
            out += ",\n";
        }
        indent(out, depth);
        out += ')';
        return true;
    }
    case XAValue::Type::Dictionary: {
        out += "{\n";
        const std::size_t pathLength = path_.size();
        for (const auto &[key, element] : *value.dictionary()) {
            indent(out, depth + 1);
            appendOpenStepString(out, key);
            out += " = ";
            path_ += (pathLength == 0 ? "" : ".") + key;
            if (!write(element, out, depth + 1)) {
                return false;
            }
            path_.resize(pathLength);
            out += ";\n";
        }
        indent(out, depth);
        out += '}';
        return true;
    }
    }
    return fail("a value of an unknown kind");
}

} // namespace

std::optional<std::string> XAOpenStepWriter::write(const XAValue &value, XAError *error) {
    OpenStepPrinter writer;
    std::string out;
    if (!writer.write(value, out, 0)) {
        XASetError(error, writer.problem());
        return std::nullopt;
    }
    out += '\n';
    return out;
}
