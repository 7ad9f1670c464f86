#include "core/XACollections.h"

#include "core/XAAttributedString.h"

namespace fk {

XAValue::Array arrayWithoutNulls(const XAValue::Array &array) {
    return filter(array, [](const XAValue &element) { return !element.isNull(); });
}

XAValue::Array arrayWithoutEmpties(const XAValue::Array &array) {
    return filter(array, [](const XAValue &element) {
        if (const std::string *text = element.string()) {
            return !text->empty();
        }
        if (const XAData *data = element.data()) {
            return !data->empty();
        }
        return false;
    });
}

XADictionary asDictionary(const XAValue::Array &rows) {
    XADictionary result;
    for (const XAValue &row : rows) {
        const XAValue::Array *cells = row.array();
        if (!cells || cells->empty() || !cells->front().isString()) {
            continue;
        }
        result.set(*cells->front().string(), cells->size() > 1 ? (*cells)[1] : XAValue());
    }
    return result;
}

XADictionary dictionaryByMerging(const XADictionary &dictionary, const XADictionary &other) {
    XADictionary result = dictionary;
    for (const auto &[key, value] : other) {
        result.set(key, value);
    }
    return result;
}

} // namespace fk

XAAttributedString xa_attributedComponentsJoinedByAttributedString(const std::vector<XAAttributedString> &components,
                                                                   const std::optional<XAAttributedString> &separator) {
    XAAttributedString joined;
    for (size_t index = 0; index < components.size(); ++index) {
        if (index > 0 && separator) {
            joined.append(*separator);
        }
        joined.append(components[index]);
    }
    return joined;
}

std::string xa_nonEmptyComponentsJoinedWithString(const std::vector<std::string> &components,
                                                  std::string_view separator) {
    std::string joined;
    bool first = true;
    for (const std::string &component : components) {
        if (component.empty()) {
            continue;
        }
        if (!first) {
            joined += separator;
        }
        joined += component;
        first = false;
    }
    return joined;
}

std::vector<std::string> xa_componentsWrappedInXMLTag(const std::vector<std::string> &components,
                                                      std::string_view tag) {
    return fk::map(components, [&](const std::string &component) {
        std::string wrapped;
        wrapped.reserve(component.size() + 2 * tag.size() + 5);
        wrapped.append("<").append(tag).append(">").append(component).append("</").append(tag).append(">");
        return wrapped;
    });
}

std::vector<std::string> xa_htmlListItems(const std::vector<std::string> &components) {
    return xa_componentsWrappedInXMLTag(components, "li");
}

std::string xa_asUnorderedHTMLList(const std::vector<std::string> &components) {
    std::string list = "<ul>";
    bool first = true;
    for (const std::string &item : xa_htmlListItems(components)) {
        if (!first) {
            list += ' ';
        }
        list += item;
        first = false;
    }
    return list + "</ul>";
}

std::vector<std::string> xa_componentsQuotedWith(const std::vector<std::string> &components, std::string_view quote) {
    if (quote.empty()) {
        return components;
    }
    return fk::map(components, [&](const std::string &component) {
        std::string quoted(quote);
        quoted.append(component).append(quote);
        return quoted;
    });
}

std::vector<std::string> xa_doubleQuotedComponents(const std::vector<std::string> &components) {
    return xa_componentsQuotedWith(components, "\"");
}

XAValue::Array xa_permutationsOfValuesInArrays(const XAValue::Array &lists) {
    std::vector<XAValue::Array> typedLists = fk::map(lists, [](const XAValue &list) {
        const XAValue::Array *values = list.array();
        return values ? *values : XAValue::Array{list};
    });
    return fk::map(xa_permutationsOfValuesInArrays(typedLists),
                   [](const std::vector<XAValue> &choice) { return XAValue(choice); });
}

namespace {

void collectLeaves(const XAValue &value, XAValue::Type type, std::vector<XAValue> &leaves);

void collectLeavesOfArray(const XAValue::Array &array, XAValue::Type type, std::vector<XAValue> &leaves) {
    for (const XAValue &element : array) {
        collectLeaves(element, type, leaves);
    }
}

void collectLeavesOfDictionary(const XADictionary &dictionary, XAValue::Type type, std::vector<XAValue> &leaves) {
    for (const auto &entry : dictionary) {
        collectLeaves(entry.second, type, leaves);
    }
}

void collectLeaves(const XAValue &value, XAValue::Type type, std::vector<XAValue> &leaves) {
    if (value.type() == type) {
        leaves.push_back(value);
    } else if (const XAValue::Array *array = value.array()) {
        collectLeavesOfArray(*array, type, leaves);
    } else if (const XADictionary *dictionary = value.dictionary()) {
        collectLeavesOfDictionary(*dictionary, type, leaves);
    }
}

XAValue withoutNilValues(const XAValue &value) {
    if (const XAValue::Array *array = value.array()) {
        return XAValue(xa_withoutNilValues(*array));
    }
    if (const XADictionary *dictionary = value.dictionary()) {
        return XAValue(xa_withoutNilValues(*dictionary));
    }
    return value;
}

} // namespace

std::vector<XAValue> xa_leafObjectsOfClass(const XAValue::Array &array, XAValue::Type type) {
    std::vector<XAValue> leaves;
    collectLeavesOfArray(array, type, leaves);
    return leaves;
}

std::vector<XAValue> xa_leafObjectsOfClass(const XADictionary &dictionary, XAValue::Type type) {
    std::vector<XAValue> leaves;
    collectLeavesOfDictionary(dictionary, type, leaves);
    return leaves;
}

XAValue::Array xa_withoutNilValues(const XAValue::Array &array) {
    XAValue::Array result;
    result.reserve(array.size());
    for (const XAValue &element : array) {
        if (!element.isNull()) {
            result.push_back(withoutNilValues(element));
        }
    }
    return result;
}

XADictionary xa_withoutNilValues(const XADictionary &dictionary) {
    XADictionary result;
    result.reserve(dictionary.size());
    for (const auto &[key, value] : dictionary) {
        if (!value.isNull()) {
            result.set(key, withoutNilValues(value));
        }
    }
    return result;
}
