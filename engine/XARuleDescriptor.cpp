#include "engine/XARuleDescriptor.h"

#include "engine/XARuleIntroductionOrder.h"

std::uint64_t XARuleDescriptor::introductionOrderNumber() const { return XARuleIntroductionOrderNumber(shortName); }

const XARuleOption *XARuleDescriptor::optionWithLongName(std::string_view longName) const {
    for (const XARuleOptionGroup &group : optionGroups) {
        if (const XARuleOption *option = group.optionWithLongName(longName)) {
            return option;
        }
    }
    return nullptr;
}
