#include "project/XAProjectData.h"

const XAValue *xa_objectWithPath(const XAValue &dictionary, std::string_view keyPath) {
    const XAValue *current = &dictionary;
    while (current) {
        auto dot = keyPath.find('.');
        current = current->get(keyPath.substr(0, dot));
        if (dot == std::string_view::npos) {
            break;
        }
        keyPath.remove_prefix(dot + 1);
    }
    return current;
}
