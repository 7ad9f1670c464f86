#include "core/XAPropertyList.h"

#include "core/XABinaryPropertyListChecker.h"
#include "core/XAJSON.h"
#include "core/XALibplistBridge.h"
#include "core/XAOpenStepReader.h"
#include "core/XAOpenStepWriter.h"
#include "core/XAPropertyListText.h"
#include "core/XAXMLPropertyListChecker.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace {

// ---------------------------------------------------------------------------------------------------------
// Reading by format

// Each reader checks its input before libplist sees it: libplist explains no failure and trusts what it is given.
std::optional<XAValue> readXMLPropertyList(std::string_view text, const std::string &sourceName, XAError *error) {
    if (!XACheckXMLPropertyList(text, sourceName, error)) {
        return std::nullopt;
    }
    return XAValueFromLibplistXML(text, sourceName, error);
}

std::optional<XAValue> readBinaryPropertyList(std::string_view bytes, const std::string &sourceName, XAError *error) {
    if (!XACheckBinaryPropertyList(bytes, sourceName, error)) {
        return std::nullopt;
    }
    return XAValueFromLibplistBinary(bytes, sourceName, error);
}

// ---------------------------------------------------------------------------------------------------------
// Files

std::optional<std::string> readFileBytes(const std::string &path, XAError *error) {
    auto failure = [&](int code) -> std::optional<std::string> {
        XASetError(error, "cannot read " + path + ": " + std::system_category().message(code), code);
        return std::nullopt;
    };
    int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return failure(errno);
    }
    struct Closer {
        int descriptor;
        ~Closer() { ::close(descriptor); }
    } closer{descriptor};
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return failure(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return failure(EISDIR);
    }
    std::string bytes;
    bytes.reserve(status.st_size > 0 ? static_cast<std::size_t>(status.st_size) : 0);
    char buffer[65536];
    for (;;) {
        ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return failure(errno);
        }
        if (count == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

// ---------------------------------------------------------------------------------------------------------
// Format detection

std::string_view withoutLeadingBlanks(std::string_view text) {
    std::size_t start = text.find_first_not_of(" \t\r\n");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

bool looksLikeXML(std::string_view text) {
    return text.starts_with("<?xml") || text.starts_with("<plist") || text.starts_with("<!DOCTYPE") ||
           text.starts_with("<!--");
}

} // namespace

std::optional<XAValue> XAPropertyListFromData(std::string_view bytes, const std::string &sourceName, XAError *error,
                                              XAPropertyListFormat *formatOut) {
    auto report = [&](XAPropertyListFormat format) {
        if (formatOut) {
            *formatOut = format;
        }
    };
    if (bytes.starts_with("bplist")) {
        report(XAPropertyListFormat::Binary);
        return readBinaryPropertyList(bytes, sourceName, error);
    }
    std::string converted;
    std::string_view text = withoutLeadingBlanks(XAPropertyListTextAsUTF8(bytes, converted));
    if (looksLikeXML(text)) {
        report(XAPropertyListFormat::XML);
        return readXMLPropertyList(text, sourceName, error);
    }
    if (text.starts_with("[")) { // never OpenStep, whose arrays use parentheses
        report(XAPropertyListFormat::JSON);
        return XAValueFromJSON(text, false, sourceName, error);
    }
    report(XAPropertyListFormat::OpenStep);
    XAError openStepError;
    std::optional<XAValue> value =
        XAOpenStepReader::read(bytes, sourceName, XAOpenStepReadMode::PropertyList, &openStepError);
    if (!value && text.starts_with("{")) {
        if (auto json = XAValueFromJSON(text, false, sourceName, nullptr)) {
            report(XAPropertyListFormat::JSON);
            return json;
        }
    }
    if (!value && error) {
        *error = openStepError;
    }
    return value;
}

std::optional<XAValue> XAPropertyListFromFile(const std::string &path, XAError *error,
                                              XAPropertyListFormat *formatOut) {
    std::optional<std::string> bytes = readFileBytes(path, error);
    if (!bytes) {
        return std::nullopt;
    }
    return XAPropertyListFromData(*bytes, path, error, formatOut);
}

std::optional<std::string> XAXMLPropertyListData(const XAValue &value, XAError *error) {
    return XALibplistXMLData(value, error);
}

std::optional<std::string> XABinaryPropertyListData(const XAValue &value, XAError *error) {
    return XALibplistBinaryData(value, error);
}

std::optional<std::string> XAOpenStepPropertyListData(const XAValue &value, XAError *error) {
    return XAOpenStepWriter::write(value, error);
}

std::optional<std::string> XAPropertyListData(const XAValue &value, XAPropertyListFormat format, XAError *error) {
    switch (format) {
    case XAPropertyListFormat::OpenStep:
        return XAOpenStepPropertyListData(value, error);
    case XAPropertyListFormat::XML:
        return XAXMLPropertyListData(value, error);
    case XAPropertyListFormat::Binary:
        return XABinaryPropertyListData(value, error);
    case XAPropertyListFormat::JSON:
        return XAJSONString(value, true);
    }
    XASetError(error, "unknown property-list format");
    return std::nullopt;
}
