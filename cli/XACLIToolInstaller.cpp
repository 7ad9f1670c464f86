#include "cli/XACLIToolInstaller.h"

#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "core/XAUserFolders.h"

namespace {

constexpr const char *kTemplateResource = "tessary-cli-tool.sh.in";
constexpr const char *kRootPlaceholder = "@TESSARY_ROOT@";

} // namespace

bool XAInstallCLIToolScript(const std::string &folder, const std::string &toolName, XAError *error) {
    std::optional<std::string> script = xa_contentsOfResource(kTemplateResource);
    const std::optional<std::string> executable = xa_executablePath();
    if (!script || !executable) {
        XASetError(error, std::string("Cannot read the launcher template ") + kTemplateResource);
        return false;
    }
    const std::string root = xa_stringByDeletingLastPathComponent(xa_stringByDeletingLastPathComponent(*executable));
    for (size_t at = script->find(kRootPlaceholder); at != std::string::npos; at = script->find(kRootPlaceholder)) {
        script->replace(at, std::string_view(kRootPlaceholder).size(), root);
    }
    return XAWriteFileAtomically(xa_stringByAppendingPathComponent(folder, toolName), *script, error, 0755);
}
