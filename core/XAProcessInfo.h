#pragma once

// Facts about the running process and machine, and changes to the process's own environment.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The absolute path of the running executable (from /proc/self/exe); no value when it cannot be read.
std::optional<std::string> xa_executablePath();

// Makes the process environment equal to `environment`: every variable whose name is not a key is removed, then
// every entry is set, overwriting. Entries that the environment cannot hold (an empty name, or a name with "=")
// are skipped. The environment is process-wide and not synchronised: call this while no other thread reads it.
void xa_assignEnvironment(const std::map<std::string, std::string> &environment);
// Sets every entry in the process environment, overwriting; nothing is removed. The same caveats apply.
void xa_addEnvironmentVariables(const std::map<std::string, std::string> &variables);
// The whole process environment as a map (for saving and restoring it around xa_assignEnvironment).
std::map<std::string, std::string> XAProcessEnvironment();

// The number of physical processor cores: the distinct (physical id, core id) pairs of /proc/cpuinfo, or, when it
// does not list them, the number of hardware threads; 0 when neither is known.
uint32_t xa_numberOfCPUCores();
// The distinct (physical id, core id) pairs in a /proc/cpuinfo text; 0 when it lists none.
uint32_t XAPhysicalCoreCountFromCPUInfo(std::string_view cpuinfo);

// The machine's identifier from /etc/machine-id (or /var/lib/dbus/machine-id) as an upper-case UUID in the
// 8-4-4-4-12 form; read once and kept for the life of the process. No value when neither file holds one.
std::optional<std::string> xa_hostUUID();
// A machine-id text (32 hexadecimal digits, blanks around them ignored) as an upper-case 8-4-4-4-12 UUID; no value
// for anything else.
std::optional<std::string> XAHostUUIDFromMachineID(std::string_view machineID);
