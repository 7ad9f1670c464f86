#pragma once

#include <string>
#include <vector>

// The command-line face of Tessary. `arguments` holds the program path followed by the arguments after "cli".
// Returns the process's exit status.
//
// So far it sets up the developer-tools environment and reports it: with no argument or "version" it prints the
// version and the tools found (status 0); anything else is refused with status 64, as the commands do not exist
// yet. A failed set-up prints why, with status 1.
int XACLIMain(const std::vector<std::string> &arguments);

// The desktop face, which does not exist on this platform yet: says so, with status 64.
int XADesktopMain(const std::vector<std::string> &arguments);
