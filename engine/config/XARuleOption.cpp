#include "engine/config/XARuleOption.h"

XARuleOption XARuleOption::ruleOptionWithName(std::string name, std::string description,
                                              std::optional<std::string> info,
                                              std::optional<XAOptionValue> defaultValue, XAOptionValueType valueType,
                                              std::vector<XAOptionValue> allowedValues) {
    return XARuleOption(std::nullopt, std::move(name), std::move(description), std::move(info), std::move(defaultValue),
                        valueType, 0, true, {}, std::move(allowedValues));
}

const XARuleOption *XARuleOptionGroup::optionWithLongName(std::string_view longName) const {
    for (const XARuleOption &option : options) {
        if (option.longName() == longName) {
            return &option;
        }
    }
    return nullptr;
}
