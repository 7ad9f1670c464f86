#include "core/XAProcessInfo.h"

#include "core/XAString.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

extern char **environ;

namespace {

bool canBeEnvironmentName(const std::string &name) { return !name.empty() && name.find('=') == std::string::npos; }

std::optional<std::string> readSmallFile(const char *path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string text;
    text.resize(4096);
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(file.gcount()));
    return text;
}

// The value after the colon of a "key<tab>: value" line of /proc/cpuinfo when the key matches.
std::optional<std::string> cpuinfoValue(const std::string &line, std::string_view key) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos || xa_trimmed(std::string_view(line).substr(0, colon)) != key) {
        return std::nullopt;
    }
    return xa_trimmed(std::string_view(line).substr(colon + 1));
}

} // namespace

std::optional<std::string> xa_executablePath() {
    std::vector<char> buffer(1024);
    while (buffer.size() <= 65536) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return std::nullopt;
        }
        if (static_cast<size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
    return std::nullopt;
}

std::map<std::string, std::string> XAProcessEnvironment() {
    std::map<std::string, std::string> environment;
    for (char **entry = environ; entry && *entry; ++entry) {
        const std::string_view text(*entry);
        const size_t equals = text.find('=');
        if (equals != std::string_view::npos && equals > 0) {
            environment.emplace(std::string(text.substr(0, equals)), std::string(text.substr(equals + 1)));
        }
    }
    return environment;
}

void xa_assignEnvironment(const std::map<std::string, std::string> &environment) {
    // The names are copied first: unsetenv changes the array that environ points to.
    std::vector<std::string> currentNames;
    for (char **entry = environ; entry && *entry; ++entry) {
        const std::string_view text(*entry);
        currentNames.emplace_back(text.substr(0, text.find('=')));
    }
    for (const std::string &name : currentNames) {
        if (canBeEnvironmentName(name) && !environment.contains(name)) {
            ::unsetenv(name.c_str());
        }
    }
    xa_addEnvironmentVariables(environment);
}

void xa_addEnvironmentVariables(const std::map<std::string, std::string> &variables) {
    for (const auto &[name, value] : variables) {
        if (canBeEnvironmentName(name)) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
    }
}

uint32_t XAPhysicalCoreCountFromCPUInfo(std::string_view cpuinfo) {
    std::set<std::pair<std::string, std::string>> cores;
    std::optional<std::string> physicalID;
    std::optional<std::string> coreID;
    const auto finishProcessor = [&] {
        if (coreID) {
            cores.emplace(physicalID.value_or(""), *coreID);
        }
        physicalID.reset();
        coreID.reset();
    };
    std::istringstream lines{std::string(cpuinfo)};
    for (std::string line; std::getline(lines, line);) {
        if (xa_trimmed(line).empty()) {
            finishProcessor();
        } else if (std::optional<std::string> value = cpuinfoValue(line, "physical id")) {
            physicalID = std::move(value);
        } else if (std::optional<std::string> value = cpuinfoValue(line, "core id")) {
            coreID = std::move(value);
        }
    }
    finishProcessor();
    return static_cast<uint32_t>(cores.size());
}

uint32_t xa_numberOfCPUCores() {
    std::ifstream file("/proc/cpuinfo");
    const std::string cpuinfo((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const uint32_t physicalCores = XAPhysicalCoreCountFromCPUInfo(cpuinfo);
    return physicalCores > 0 ? physicalCores : std::thread::hardware_concurrency();
}

std::optional<std::string> XAHostUUIDFromMachineID(std::string_view machineID) {
    const std::string digits = xa_trimmed(machineID);
    if (digits.size() != 32) {
        return std::nullopt;
    }
    std::string uuid;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(digits[i]))) {
            return std::nullopt;
        }
        if (i == 8 || i == 12 || i == 16 || i == 20) {
            uuid += '-';
        }
        uuid += static_cast<char>(std::toupper(static_cast<unsigned char>(digits[i])));
    }
    return uuid;
}

std::optional<std::string> xa_hostUUID() {
    static std::once_flag once;
    static std::optional<std::string> uuid;
    std::call_once(once, [] {
        for (const char *path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
            if (std::optional<std::string> text = readSmallFile(path)) {
                if ((uuid = XAHostUUIDFromMachineID(*text))) {
                    return;
                }
            }
        }
    });
    return uuid;
}
