#pragma once

// The staged libclang extension library for the build layer's tests, and the parsing environment they use: our
// libclang's builtin headers and the staged developer directory with its SDK stand-ins.

#include "codemodel/XAClangVersion.h"
#include "codemodel/XACompilationInfo.h"
#include "codemodel/XALibclang.h"

#include <gtest/gtest.h>

#include <string>

#ifndef TESSARY_STAGE_DIR
#error "TESSARY_STAGE_DIR must name the build's output folder"
#endif

inline const std::string kXAStagedLibclangPath = TESSARY_STAGE_DIR "/lib/tessary/libclang_llvm19_1.so";
inline const std::string kXAStagedDeveloperDir = TESSARY_STAGE_DIR "/Developer";
inline const std::string kXAParseFixturesDir = TESSARY_FIXTURES_DIR "/parse";

// Loads the staged library once per test process; false (with a test failure saying why) when it cannot.
inline bool XALoadStagedLibclang() {
    static const bool loaded = [] {
        XAError error;
        const bool success = XALibclang::load(kXAStagedLibclangPath, &error);
        if (!success) {
            ADD_FAILURE() << error.message;
        }
        return success;
    }();
    return loaded;
}

// The loaded library's facts with the staged developer directory; `vendorBuild` may pretend otherwise.
inline XAParsingEnvironment XATestParsingEnvironment(bool vendorBuild = true) {
    XAParsingEnvironment environment;
    environment.vendorBuild = vendorBuild;
    environment.resourceDirectory = XALibclang::resourceDirectory();
    environment.developerDirectory = kXAStagedDeveloperDir;
    environment.sourceTypeForFileExtension = XASourceTypeForFileExtension;
    environment.acceptsArguments = XALoadedClangAcceptsArguments;
    return environment;
}
