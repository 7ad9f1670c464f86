#include "core/XAJSON.h"

#include "core/XAISO8601Date.h"
#include "core/XAURLEncoding.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>

namespace {

using Json = nlohmann::ordered_json;

// Deeper nesting than this is no real configuration; the conversion below recurses.
constexpr std::size_t kMaxNestingDepth = 512;

bool valueFromJson(const Json &json, XAValue &out, std::size_t depth) {
    if (depth > kMaxNestingDepth) {
        return false;
    }
    switch (json.type()) {
    case Json::value_t::boolean:
        out = XAValue(json.get<bool>());
        return true;
    case Json::value_t::number_integer:
        out = XAValue(json.get<std::int64_t>());
        return true;
    case Json::value_t::number_unsigned: {
        auto number = json.get<std::uint64_t>();
        out = number <= INT64_MAX ? XAValue(static_cast<std::int64_t>(number)) : XAValue(static_cast<double>(number));
        return true;
    }
    case Json::value_t::number_float:
        out = XAValue(json.get<double>());
        return true;
    case Json::value_t::string:
        out = XAValue(json.get_ref<const std::string &>());
        return true;
    case Json::value_t::array: {
        XAValue::Array elements(json.size());
        for (std::size_t i = 0; i < json.size(); ++i) {
            if (!valueFromJson(json[i], elements[i], depth + 1)) {
                return false;
            }
        }
        out = XAValue(std::move(elements));
        return true;
    }
    case Json::value_t::object: {
        XADictionary dictionary;
        dictionary.reserve(json.size());
        for (const auto &[key, element] : json.items()) {
            XAValue value;
            if (!valueFromJson(element, value, depth + 1)) {
                return false;
            }
            dictionary.set(key, std::move(value));
        }
        out = XAValue(std::move(dictionary));
        return true;
    }
    default:
        out = XAValue();
        return true;
    }
}

Json jsonFromValue(const XAValue &value) {
    switch (value.type()) {
    case XAValue::Type::Null:
        return nullptr;
    case XAValue::Type::Boolean:
        return *value.boolean();
    case XAValue::Type::Integer:
        return *value.integer();
    case XAValue::Type::Real:
        return *value.real();
    case XAValue::Type::String:
        return *value.string();
    case XAValue::Type::Data:
        return xa_base64String(std::span<const std::uint8_t>(*value.data()));
    case XAValue::Type::Date:
        return XAISO8601StringFromDate(*value.date());
    case XAValue::Type::Array: {
        Json array = Json::array();
        for (const auto &element : *value.array()) {
            array.push_back(jsonFromValue(element));
        }
        return array;
    }
    case XAValue::Type::Dictionary: {
        Json object = Json::object();
        for (const auto &[key, element] : *value.dictionary()) {
            object[key] = jsonFromValue(element);
        }
        return object;
    }
    }
    return nullptr;
}

// "[json.exception.parse_error.101] parse error at line 1, column 5: syntax error ..." without its prefix.
std::string parseErrorDetail(const std::string &what) {
    std::size_t start = what.find("parse error");
    std::size_t colon = what.find(": ", start == std::string::npos ? 0 : start);
    return colon == std::string::npos ? what : what.substr(colon + 2);
}

std::string position(std::string_view text, std::size_t byte) {
    std::size_t offset = std::min(byte > 0 ? byte - 1 : 0, text.size());
    std::string_view before = text.substr(0, offset);
    std::size_t line = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
    std::size_t lineStart = before.rfind('\n');
    std::size_t column = offset - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
    return std::to_string(line) + ":" + std::to_string(column);
}

} // namespace

std::optional<XAValue> XAValueFromJSON(std::string_view text, bool allowComments, const std::string &sourceName,
                                       XAError *error) {
    Json json;
    try {
        json = Json::parse(text.begin(), text.end(), nullptr, true, allowComments);
    } catch (const Json::parse_error &parseError) {
        XASetError(error,
                   sourceName + ":" + position(text, parseError.byte) + ": " + parseErrorDetail(parseError.what()));
        return std::nullopt;
    } catch (const Json::exception &otherError) {
        XASetError(error, sourceName + ": " + otherError.what());
        return std::nullopt;
    }
    XAValue value;
    if (!valueFromJson(json, value, 0)) {
        XASetError(error,
                   sourceName + ": the JSON is nested more than " + std::to_string(kMaxNestingDepth) + " levels deep");
        return std::nullopt;
    }
    return value;
}

std::string XAJSONString(const XAValue &value, bool pretty) {
    return jsonFromValue(value).dump(pretty ? 2 : -1, ' ', false, Json::error_handler_t::replace);
}
