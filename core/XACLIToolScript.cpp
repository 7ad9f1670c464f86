#include "core/XACLIToolScript.h"

#include "core/XAAppVersion.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "core/XAUserFolders.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string withoutSpaces(std::string_view text) {
    std::string result;
    for (char character : text) {
        if (character != ' ') {
            result += character;
        }
    }
    return result;
}

bool failWithErrno(XAError *error, const std::string &what, const std::string &path) {
    XASetError(error, what + " " + path + ": " + std::strerror(errno));
    return false;
}

// Writes without a temporary file, and refuses to replace a file that appeared meanwhile.
bool writeNewFile(const std::string &path, const std::string &text, XAError *error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == EEXIST) {
            XASetError(error, "The file already exists: " + path);
            return false;
        }
        return failWithErrno(error, "Cannot create", path);
    }
    size_t offset = 0;
    while (offset < text.size()) {
        const ssize_t written = ::write(fd, text.data() + offset, text.size() - offset);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            const int writeError = errno;
            ::close(fd);
            errno = writeError;
            return failWithErrno(error, "Cannot write", path);
        }
        offset += static_cast<size_t>(written);
    }
    if (::close(fd) != 0) {
        return failWithErrno(error, "Cannot write", path);
    }
    return true;
}

} // namespace

XACLIToolScriptBundle XACLIToolScriptBundle::ofProcess() {
    XACLIToolScriptBundle bundle;
    bundle.name = XAApplicationName;
    const std::string executable = xa_executablePath().value_or("");
    bundle.path = xa_stringByDeletingLastPathComponent(xa_stringByDeletingLastPathComponent(executable));
    const std::optional<XADictionary> &record = xa_appVersionDict();
    const XAValue *copyright = record ? record->get("copyright") : nullptr;
    bundle.copyright = copyright && copyright->string() ? *copyright->string() : "";
    return bundle;
}

std::string XAShellDoubleQuoteEscaped(std::string_view text) {
    std::string escaped;
    for (char character : text) {
        if (character == '\\' || character == '"' || character == '$' || character == '`') {
            escaped += '\\';
        }
        escaped += character;
    }
    return escaped;
}

// One pass over the template, so that a value holding a placeholder's text is never filled in turn.
std::string XAFilledCLIToolScript(std::string templateText, const XACLIToolScriptBundle &bundle) {
    const std::pair<std::string_view, std::string> replacements[] = {
        {"{{APP_NAME}}", XAShellDoubleQuoteEscaped(bundle.name)},
        {"{{APP_PATH}}", XAShellDoubleQuoteEscaped(bundle.path)},
        {"{{SAFE_APP_NAME}}", XAShellDoubleQuoteEscaped(withoutSpaces(bundle.name))},
        {"{{APP_COPYRIGHT}}", XAShellDoubleQuoteEscaped(bundle.copyright)},
    };
    std::string filled;
    size_t at = 0;
    while (at < templateText.size()) {
        bool replaced = false;
        for (const auto &[placeholder, value] : replacements) {
            if (std::string_view(templateText).substr(at).starts_with(placeholder)) {
                filled += value;
                at += placeholder.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            filled += templateText[at++];
        }
    }
    return filled;
}

std::string XACLIToolsInstallFolder() {
    const char *folder = std::getenv("TESSARY_CLI_TOOLS_INSTALL_DIR");
    return folder && *folder ? folder : XACLIToolsDefaultInstallFolder;
}

std::string cliCommandFullInstallationPath() {
    return xa_stringByAppendingPathComponent(XACLIToolsInstallFolder(), XACLIToolName);
}

bool cliToolsAlreadyInstalled() {
    struct stat status;
    return ::lstat(cliCommandFullInstallationPath().c_str(), &status) == 0;
}

bool installCLIToolScript(const std::optional<std::string> &folder, const std::optional<std::string> &fileName,
                          XAError *error) {
    const std::optional<std::string> templateText = xa_contentsOfResource(XACLIToolScriptTemplateResource);
    if (!templateText) {
        XASetError(error, std::string("Cannot read the launcher template ") + XACLIToolScriptTemplateResource);
        return false;
    }
    return installCLIToolScript(folder.value_or(XACLIToolsInstallFolder()), fileName.value_or(XACLIToolName),
                                *templateText, XACLIToolScriptBundle::ofProcess(), error);
}

bool installCLIToolScript(const std::string &folder, const std::string &fileName, const std::string &templateText,
                          const XACLIToolScriptBundle &bundle, XAError *error) {
    const std::string script = XAFilledCLIToolScript(templateText, bundle);
    const std::string path = xa_stringByAppendingPathComponent(folder, fileName);
    struct stat status;
    if (::lstat(path.c_str(), &status) == 0) {
        XASetError(error, "The file already exists: " + path);
        return false;
    }
    std::error_code creationError;
    std::filesystem::create_directories(folder, creationError);
    if (creationError) {
        XASetError(error, "Cannot create the folder " + folder + ": " + creationError.message());
        return false;
    }
    if (!writeNewFile(path, script, error)) {
        return false;
    }
    if (::chmod(path.c_str(), 0755) != 0) {
        return failWithErrno(error, "Cannot make executable", path);
    }
    return true;
}
