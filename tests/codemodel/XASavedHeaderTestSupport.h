#pragma once

// Saved translation units of C headers, as a build's precompiled headers are saved, for the tests of what reads them.

#include "codemodel/XALibclang.h"
#include "codemodel/XATranslationUnit.h"

#include <gtest/gtest.h>

#include <string>

// Parses the C header with its preprocessing record and saves it beside as "<header>.pch"; returns that path.
inline std::string XASaveHeaderAsPrecompiled(const std::string &header) {
    XAClangIndexOwner index(XALibclang::fn().clang_createIndex(0, 0));
    XAError error;
    XATranslationUnitOwner unit(XAParseTranslationUnit(
        index.get(), header, {"-x", "c-header"},
        CXTranslationUnit_DetailedPreprocessingRecord | CXTranslationUnit_ForSerialization, &error));
    EXPECT_TRUE(unit) << error.message;
    const std::string output = header + ".pch";
    EXPECT_EQ(XALibclang::fn().clang_saveTranslationUnit(unit.get(), output.c_str(), 0), 0);
    return output;
}
