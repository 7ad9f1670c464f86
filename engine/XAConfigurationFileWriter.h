#pragma once

// Writing a configuration out as a project configuration file: commented JSON that lists every setting the file may
// hold, each under a comment naming it and its type, so that a developer can edit it by hand. Made from a
// configuration with defaults only, the same text is the example configuration of the "exampleconfig" command.
// The configuration reader skips the comments and commented-out entries, so commenting out an entry that holds a
// default changes nothing when the file is read back.

#include "engine/config/XAConfiguration.h"

#include <string>

class XAConfigurationFileWriter {
public:
    XAConfigurationFileWriter() = delete;

    // The file's text: the line "// <headerComment>", then one object with every configuration-file option in table
    // order and, under "ruleOptions", one nested object per rule option group that has options (the public groups,
    // and any other group the configuration holds values for). An entry whose value is invalid is commented out;
    // with `commentOutDefaultValues`, so is an entry equal to its option's default. A text that does not parse back
    // is logged and still returned.
    static std::string jsonConfigFileRepresentation(const XAConfiguration &configuration,
                                                    const std::string &headerComment, bool commentOutDefaultValues);

    // A configuration with defaults only, headed "Example JSON configuration file for Tessary", every valid entry
    // active.
    static std::string exampleJSONConfigFile();
};
