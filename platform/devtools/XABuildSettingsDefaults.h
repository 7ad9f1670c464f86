#pragma once

// The built-in level of build settings: what a target has before the project says anything. Xcode's own defaults
// are many hundreds; this set holds what projects commonly refer to and what the checker and the stand-in's build
// read:
//
// - the project and target: ACTION, PROJECT_NAME, PROJECT, PROJECT_DIR, PROJECT_FILE_PATH, SRCROOT, SOURCE_ROOT,
//   TARGET_NAME, TARGETNAME, CONFIGURATION, PRODUCT_TYPE, PRODUCT_NAME (= TARGET_NAME), PRODUCT_MODULE_NAME,
//   DEVELOPMENT_LANGUAGE (the project's development region, as written), HOME, USER;
// - folders: SYMROOT (PROJECT_DIR/build), OBJROOT, BUILD_DIR, BUILD_ROOT, CONFIGURATION_BUILD_DIR, BUILT_PRODUCTS_DIR,
//   TARGET_BUILD_DIR, PROJECT_TEMP_ROOT, PROJECT_TEMP_DIR, CONFIGURATION_TEMP_DIR, TARGET_TEMP_DIR, TEMP_DIR,
//   DERIVED_FILE_DIR, DERIVED_SOURCES_DIR, OBJECT_FILE_DIR, OBJECT_FILE_DIR_normal, SHARED_PRECOMPS_DIR;
// - the developer directory: DEVELOPER_DIR and its bin, usr, library and SDK folders, DT_TOOLCHAIN_DIR,
//   TOOLCHAIN_DIR, TOOLCHAINS;
// - the platform of SDKROOT: PLATFORM_NAME, EFFECTIVE_PLATFORM_NAME, PLATFORM_DISPLAY_NAME, PLATFORM_DIR,
//   PLATFORM_DEVELOPER_DIR, SDK_DIR, SDK_NAME, SDK_NAMES, SDK_VERSION, SUPPORTED_PLATFORMS, ARCHS (= ARCHS_STANDARD),
//   ARCHS_STANDARD, ARCHS_STANDARD_64_BIT, PLATFORM_PREFERRED_ARCH, CURRENT_VARIANT, BUILD_VARIANTS, the platform's
//   deployment target (the SDK version) and DEPLOYMENT_TARGET_SETTING_NAME, the parts of the target triple
//   (LLVM_TARGET_TRIPLE_VENDOR, LLVM_TARGET_TRIPLE_OS_VERSION, LLVM_TARGET_TRIPLE_SUFFIX,
//   SWIFT_PLATFORM_TARGET_PREFIX), TARGETED_DEVICE_FAMILY on iOS;
// - the product of the product type: EXECUTABLE_PREFIX, EXECUTABLE_SUFFIX, EXECUTABLE_NAME, EXECUTABLE_PATH,
//   FULL_PRODUCT_NAME, MACH_O_TYPE and, for bundles, WRAPPER_EXTENSION, WRAPPER_SUFFIX, WRAPPER_NAME and the
//   bundle layout (CONTENTS_FOLDER_PATH, EXECUTABLE_FOLDER_PATH, UNLOCALIZED_RESOURCES_FOLDER_PATH,
//   LOCALIZED_RESOURCES_FOLDER_PATH, INFOPLIST_PATH, INFOSTRINGS_PATH, PKGINFO_PATH and the *_FOLDER_PATH settings
//   of frameworks, plug-ins, headers, modules and support files), shallow on iOS and deep (Contents/, versioned
//   frameworks) on macOS;
// - compiler defaults: CLANG_ENABLE_OBJC_ARC NO, CLANG_ENABLE_MODULES NO, GCC_PRECOMPILE_PREFIX_HEADER NO,
//   GCC_C_LANGUAGE_STANDARD and CLANG_CXX_LANGUAGE_STANDARD compiler-default, GCC_OPTIMIZATION_LEVEL s,
//   DEBUG_INFORMATION_FORMAT dwarf, ONLY_ACTIVE_ARCH NO, USE_HEADERMAP YES, ALWAYS_SEARCH_USER_PATHS NO,
//   GCC_VERSION, CODE_SIGNING_ALLOWED and CODE_SIGNING_REQUIRED YES, INFOPLIST_EXPAND_BUILD_SETTINGS YES,
//   VALIDATE_PRODUCT NO, SKIP_INSTALL NO.
//
// Values refer to each other as Xcode's do (WRAPPER_NAME is $(PRODUCT_NAME)$(WRAPPER_SUFFIX)), so that a project's
// own PRODUCT_NAME or SYMROOT carries through to everything built from it. SDKROOT itself is "macosx" here.

#include "platform/devtools/XABuildSettingsResolver.h"
#include "platform/devtools/XAStandInPlatforms.h"

#include <string>

struct XABuildSettingsDefaultsInput {
    std::string action;
    std::string xcodeprojPath; // absolute and standardised
    std::string developmentRegion;
    std::string targetName;
    std::string productType;
    std::string configuration;
    std::string developerDirectory;
    XAStandInSDK sdk;
};

void XAPushDefaultBuildSettings(XABuildSettingsResolver &resolver, const XABuildSettingsDefaultsInput &input);
