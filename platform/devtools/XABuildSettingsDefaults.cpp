#include "platform/devtools/XABuildSettingsDefaults.h"

#include "core/XAPaths.h"

#include <cstdlib>
#include <string_view>

#include <pwd.h>
#include <unistd.h>

namespace {

enum class XAProductLayout { Bundle, Framework, StaticLibrary, DynamicLibrary, Tool, Other };

struct XAProductKind {
    std::string_view productType;
    XAProductLayout layout;
    std::string_view wrapperExtension;
    std::string_view machOType;
};

constexpr XAProductKind kProductKinds[] = {
    {"com.apple.product-type.application", XAProductLayout::Bundle, "app", "mh_execute"},
    {"com.apple.product-type.application.shallow", XAProductLayout::Bundle, "app", "mh_execute"},
    {"com.apple.product-type.application.watchapp2", XAProductLayout::Bundle, "app", "mh_execute"},
    {"com.apple.product-type.app-extension", XAProductLayout::Bundle, "appex", "mh_execute"},
    {"com.apple.product-type.xpc-service", XAProductLayout::Bundle, "xpc", "mh_execute"},
    {"com.apple.product-type.bundle", XAProductLayout::Bundle, "bundle", "mh_bundle"},
    {"com.apple.product-type.bundle.shallow", XAProductLayout::Bundle, "bundle", "mh_bundle"},
    {"com.apple.product-type.bundle.unit-test", XAProductLayout::Bundle, "xctest", "mh_bundle"},
    {"com.apple.product-type.bundle.ui-testing", XAProductLayout::Bundle, "xctest", "mh_bundle"},
    {"com.apple.product-type.bundle.ocunit-test", XAProductLayout::Bundle, "octest", "mh_bundle"},
    {"com.apple.product-type.kernel-extension", XAProductLayout::Bundle, "kext", "mh_execute"},
    {"com.apple.product-type.framework", XAProductLayout::Framework, "framework", "mh_dylib"},
    {"com.apple.product-type.framework.static", XAProductLayout::Framework, "framework", "staticlib"},
    {"com.apple.product-type.library.static", XAProductLayout::StaticLibrary, "", "staticlib"},
    {"com.apple.product-type.library.dynamic", XAProductLayout::DynamicLibrary, "", "mh_dylib"},
    {"com.apple.product-type.tool", XAProductLayout::Tool, "", "mh_execute"},
};

XAProductKind productKind(const std::string &productType) {
    for (const XAProductKind &kind : kProductKinds) {
        if (kind.productType == productType) {
            return kind;
        }
    }
    return {"", XAProductLayout::Other, "", ""};
}

std::string userName() {
    if (const char *user = std::getenv("USER"); user && *user) {
        return user;
    }
    const struct passwd *entry = ::getpwuid(::getuid());
    return entry && entry->pw_name ? entry->pw_name : "";
}

void pushProjectAndTarget(XABuildSettingsResolver &resolver, const XABuildSettingsDefaultsInput &input) {
    resolver.push("ACTION", input.action);
    resolver.push("PROJECT_NAME", xa_stringByDeletingPathExtension(xa_lastPathComponent(input.xcodeprojPath)));
    resolver.push("PROJECT", "$(PROJECT_NAME)");
    resolver.push("PROJECT_DIR", xa_stringByDeletingLastPathComponent(input.xcodeprojPath));
    resolver.push("PROJECT_FILE_PATH", input.xcodeprojPath);
    resolver.push("SRCROOT", "$(PROJECT_DIR)");
    resolver.push("SOURCE_ROOT", "$(SRCROOT)");
    resolver.push("TARGET_NAME", input.targetName);
    resolver.push("TARGETNAME", "$(TARGET_NAME)");
    resolver.push("CONFIGURATION", input.configuration);
    if (!input.productType.empty()) {
        resolver.push("PRODUCT_TYPE", input.productType);
    }
    resolver.push("PRODUCT_NAME", "$(TARGET_NAME)");
    resolver.push("PRODUCT_MODULE_NAME", "$(PRODUCT_NAME:c99extidentifier)");
    resolver.push("DEVELOPMENT_LANGUAGE", input.developmentRegion.empty() ? "en" : input.developmentRegion);
    resolver.push("HOME", XAHomeDirectoryPath());
    if (std::string user = userName(); !user.empty()) {
        resolver.push("USER", user);
    }
}

void pushFolders(XABuildSettingsResolver &resolver) {
    resolver.push("SYMROOT", "$(PROJECT_DIR)/build");
    resolver.push("OBJROOT", "$(SYMROOT)");
    resolver.push("BUILD_DIR", "$(SYMROOT)");
    resolver.push("BUILD_ROOT", "$(SYMROOT)");
    resolver.push("CONFIGURATION_BUILD_DIR", "$(BUILD_DIR)/$(CONFIGURATION)$(EFFECTIVE_PLATFORM_NAME)");
    resolver.push("BUILT_PRODUCTS_DIR", "$(CONFIGURATION_BUILD_DIR)");
    resolver.push("TARGET_BUILD_DIR", "$(CONFIGURATION_BUILD_DIR)");
    resolver.push("PROJECT_TEMP_ROOT", "$(OBJROOT)");
    resolver.push("PROJECT_TEMP_DIR", "$(PROJECT_TEMP_ROOT)/$(PROJECT_NAME).build");
    resolver.push("CONFIGURATION_TEMP_DIR", "$(PROJECT_TEMP_DIR)/$(CONFIGURATION)$(EFFECTIVE_PLATFORM_NAME)");
    resolver.push("TARGET_TEMP_DIR", "$(CONFIGURATION_TEMP_DIR)/$(TARGET_NAME).build");
    resolver.push("TEMP_DIR", "$(TARGET_TEMP_DIR)");
    resolver.push("DERIVED_FILE_DIR", "$(TARGET_TEMP_DIR)/DerivedSources");
    resolver.push("DERIVED_SOURCES_DIR", "$(DERIVED_FILE_DIR)");
    resolver.push("OBJECT_FILE_DIR", "$(TARGET_TEMP_DIR)/Objects");
    resolver.push("OBJECT_FILE_DIR_normal", "$(OBJECT_FILE_DIR)-normal");
    resolver.push("SHARED_PRECOMPS_DIR", "$(PROJECT_TEMP_ROOT)/PrecompiledHeaders");
}

void pushDeveloperDirectory(XABuildSettingsResolver &resolver, const std::string &developerDirectory) {
    resolver.push("DEVELOPER_DIR", developerDirectory);
    resolver.push("DEVELOPER_BIN_DIR", "$(DEVELOPER_DIR)/usr/bin");
    resolver.push("DEVELOPER_USR_DIR", "$(DEVELOPER_DIR)/usr");
    resolver.push("DEVELOPER_LIBRARY_DIR", "$(DEVELOPER_DIR)/Library");
    resolver.push("DEVELOPER_FRAMEWORKS_DIR", "$(DEVELOPER_DIR)/Library/Frameworks");
    resolver.push("DEVELOPER_SDK_DIR", "$(DEVELOPER_DIR)/Platforms/MacOSX.platform/Developer/SDKs");
    resolver.push("DT_TOOLCHAIN_DIR", "$(DEVELOPER_DIR)/Toolchains/XcodeDefault.xctoolchain");
    resolver.push("TOOLCHAIN_DIR", "$(DT_TOOLCHAIN_DIR)");
    resolver.push("TOOLCHAINS", "com.apple.dt.toolchain.XcodeDefault");
    resolver.push("SYSTEM_LIBRARY_DIR", "/System/Library");
}

// The machine the build runs on, a Mac with Apple silicon as the platform's preferred architecture says: projects name
// it to build for the host only (ARCHS = $(NATIVE_ARCH_ACTUAL)).
void pushHost(XABuildSettingsResolver &resolver) {
    resolver.push("NATIVE_ARCH", "arm64");
    resolver.push("NATIVE_ARCH_ACTUAL", "arm64");
    resolver.push("NATIVE_ARCH_64_BIT", "arm64");
    resolver.push("NATIVE_ARCH_32_BIT", "arm");
}

void pushPlatform(XABuildSettingsResolver &resolver, const XAStandInSDK &sdk) {
    const XAStandInPlatform &platform = sdk.platform;
    resolver.push("SDKROOT", "macosx");
    resolver.push("PLATFORM_NAME", platform.name);
    resolver.push("EFFECTIVE_PLATFORM_NAME", platform.effectiveName);
    resolver.push("PLATFORM_DISPLAY_NAME", platform.displayName);
    resolver.push("PLATFORM_DIR", "$(DEVELOPER_DIR)/Platforms/" + platform.folderName + ".platform");
    resolver.push("PLATFORM_DEVELOPER_DIR", "$(PLATFORM_DIR)/Developer");
    resolver.push("SDK_DIR", "$(SDKROOT)");
    if (!sdk.canonicalName.empty()) {
        resolver.push("SDK_NAME", sdk.canonicalName);
        resolver.push("SDK_NAMES", "$(SDK_NAME)");
    }
    if (!sdk.version.empty()) {
        resolver.push("SDK_VERSION", sdk.version);
    }
    if (!platform.supportedPlatforms.empty()) {
        resolver.push("SUPPORTED_PLATFORMS", platform.supportedPlatforms);
    }
    if (!platform.standardArchitectures.empty()) {
        resolver.push("ARCHS_STANDARD", platform.standardArchitectures);
        resolver.push("ARCHS_STANDARD_64_BIT", "$(ARCHS_STANDARD)");
        // Older projects name the 32- and 64-bit set; of it, a current SDK builds only the 64-bit architectures.
        resolver.push("ARCHS_STANDARD_32_64_BIT", "$(ARCHS_STANDARD)");
        resolver.push("ARCHS", "$(ARCHS_STANDARD)");
        resolver.push("PLATFORM_PREFERRED_ARCH", "arm64");
    }
    resolver.push("CURRENT_VARIANT", "normal");
    resolver.push("BUILD_VARIANTS", "normal");
    if (!platform.deploymentTargetSetting.empty()) {
        resolver.push(platform.deploymentTargetSetting, sdk.version);
        resolver.push("DEPLOYMENT_TARGET_SETTING_NAME", platform.deploymentTargetSetting);
        resolver.push("SWIFT_PLATFORM_TARGET_PREFIX", platform.tripleOS);
        resolver.push("LLVM_TARGET_TRIPLE_VENDOR", "apple");
        resolver.push("LLVM_TARGET_TRIPLE_OS_VERSION",
                      platform.tripleOS + "$(" + platform.deploymentTargetSetting + ")");
        resolver.push("LLVM_TARGET_TRIPLE_SUFFIX", platform.tripleSuffix);
    }
    if (platform.tripleOS == "ios") {
        resolver.push("TARGETED_DEVICE_FAMILY", "1");
    }
}

void pushBundleLayout(XABuildSettingsResolver &resolver, XAProductLayout layout, bool deep) {
    if (!deep) {
        resolver.push("CONTENTS_FOLDER_PATH", "$(WRAPPER_NAME)");
        resolver.push("EXECUTABLE_FOLDER_PATH", "$(CONTENTS_FOLDER_PATH)");
        resolver.push("UNLOCALIZED_RESOURCES_FOLDER_PATH", "$(CONTENTS_FOLDER_PATH)");
        resolver.push("INFOPLIST_PATH", "$(CONTENTS_FOLDER_PATH)/Info.plist");
    } else if (layout == XAProductLayout::Framework) {
        resolver.push("FRAMEWORK_VERSION", "A");
        resolver.push("CONTENTS_FOLDER_PATH", "$(WRAPPER_NAME)/Versions/$(FRAMEWORK_VERSION)");
        resolver.push("EXECUTABLE_FOLDER_PATH", "$(CONTENTS_FOLDER_PATH)");
        resolver.push("UNLOCALIZED_RESOURCES_FOLDER_PATH", "$(CONTENTS_FOLDER_PATH)/Resources");
        resolver.push("INFOPLIST_PATH", "$(UNLOCALIZED_RESOURCES_FOLDER_PATH)/Info.plist");
    } else {
        resolver.push("CONTENTS_FOLDER_PATH", "$(WRAPPER_NAME)/Contents");
        resolver.push("EXECUTABLE_FOLDER_PATH", "$(CONTENTS_FOLDER_PATH)/MacOS");
        resolver.push("UNLOCALIZED_RESOURCES_FOLDER_PATH", "$(CONTENTS_FOLDER_PATH)/Resources");
        resolver.push("INFOPLIST_PATH", "$(CONTENTS_FOLDER_PATH)/Info.plist");
    }
    resolver.push("EXECUTABLE_PATH", "$(EXECUTABLE_FOLDER_PATH)/$(EXECUTABLE_NAME)");
    resolver.push("LOCALIZED_RESOURCES_FOLDER_PATH",
                  "$(UNLOCALIZED_RESOURCES_FOLDER_PATH)/$(DEVELOPMENT_LANGUAGE).lproj");
    resolver.push("INFOSTRINGS_PATH", "$(LOCALIZED_RESOURCES_FOLDER_PATH)/InfoPlist.strings");
    resolver.push("PKGINFO_PATH", "$(CONTENTS_FOLDER_PATH)/PkgInfo");
    resolver.push("DOCUMENTATION_FOLDER_PATH", "$(LOCALIZED_RESOURCES_FOLDER_PATH)/Documentation");
    resolver.push("SCRIPTS_FOLDER_PATH", "$(UNLOCALIZED_RESOURCES_FOLDER_PATH)/Scripts");
    resolver.push("JAVA_FOLDER_PATH", "$(UNLOCALIZED_RESOURCES_FOLDER_PATH)/Java");
    for (const char *folder : {"FRAMEWORKS_FOLDER_PATH=Frameworks", "SHARED_FRAMEWORKS_FOLDER_PATH=SharedFrameworks",
                               "SHARED_SUPPORT_FOLDER_PATH=SharedSupport", "PLUGINS_FOLDER_PATH=PlugIns",
                               "XPCSERVICES_FOLDER_PATH=XPCServices", "EXECUTABLES_FOLDER_PATH=Executables",
                               "PUBLIC_HEADERS_FOLDER_PATH=Headers", "PRIVATE_HEADERS_FOLDER_PATH=PrivateHeaders",
                               "MODULES_FOLDER_PATH=Modules"}) {
        std::string_view entry = folder;
        std::size_t equals = entry.find('=');
        resolver.push(entry.substr(0, equals), "$(CONTENTS_FOLDER_PATH)/" + std::string(entry.substr(equals + 1)));
    }
}

void pushProduct(XABuildSettingsResolver &resolver, const XAProductKind &kind, bool deep) {
    resolver.push("EXECUTABLE_PREFIX", "");
    resolver.push("EXECUTABLE_SUFFIX", "");
    resolver.push("EXECUTABLE_NAME", "$(EXECUTABLE_PREFIX)$(PRODUCT_NAME)$(EXECUTABLE_SUFFIX)");
    if (!kind.machOType.empty()) {
        resolver.push("MACH_O_TYPE", std::string(kind.machOType));
    }
    switch (kind.layout) {
    case XAProductLayout::Bundle:
    case XAProductLayout::Framework:
        resolver.push("WRAPPER_EXTENSION", std::string(kind.wrapperExtension));
        resolver.push("WRAPPER_SUFFIX", ".$(WRAPPER_EXTENSION)");
        resolver.push("WRAPPER_NAME", "$(PRODUCT_NAME)$(WRAPPER_SUFFIX)");
        resolver.push("FULL_PRODUCT_NAME", "$(WRAPPER_NAME)");
        pushBundleLayout(resolver, kind.layout, deep);
        break;
    case XAProductLayout::StaticLibrary:
    case XAProductLayout::DynamicLibrary: {
        const bool isStatic = kind.layout == XAProductLayout::StaticLibrary;
        resolver.push("EXECUTABLE_PREFIX", "lib");
        resolver.push("EXECUTABLE_EXTENSION", isStatic ? "a" : "dylib");
        resolver.push("EXECUTABLE_SUFFIX", ".$(EXECUTABLE_EXTENSION)");
        resolver.push("FULL_PRODUCT_NAME", "$(EXECUTABLE_NAME)");
        resolver.push("EXECUTABLE_PATH", "$(EXECUTABLE_NAME)");
        resolver.push("PUBLIC_HEADERS_FOLDER_PATH", "/usr/local/include");
        resolver.push("PRIVATE_HEADERS_FOLDER_PATH", "/usr/local/include");
        break;
    }
    case XAProductLayout::Tool:
        resolver.push("FULL_PRODUCT_NAME", "$(EXECUTABLE_NAME)");
        resolver.push("EXECUTABLE_PATH", "$(EXECUTABLE_NAME)");
        break;
    case XAProductLayout::Other:
        resolver.push("FULL_PRODUCT_NAME", "$(PRODUCT_NAME)");
        break;
    }
}

void pushCompilerDefaults(XABuildSettingsResolver &resolver) {
    constexpr std::pair<const char *, const char *> kDefaults[] = {
        {"ALWAYS_SEARCH_USER_PATHS", "NO"},
        {"CLANG_CXX_LANGUAGE_STANDARD", "compiler-default"},
        {"CLANG_ENABLE_MODULES", "NO"},
        {"CLANG_ENABLE_OBJC_ARC", "NO"},
        {"CODE_SIGNING_ALLOWED", "YES"},
        {"CODE_SIGNING_REQUIRED", "YES"},
        {"DEBUG_INFORMATION_FORMAT", "dwarf"},
        {"GCC_C_LANGUAGE_STANDARD", "compiler-default"},
        {"GCC_OPTIMIZATION_LEVEL", "s"},
        {"GCC_PRECOMPILE_PREFIX_HEADER", "NO"},
        {"GCC_VERSION", "com.apple.compilers.llvm.clang.1_0"},
        {"INFOPLIST_EXPAND_BUILD_SETTINGS", "YES"},
        {"ONLY_ACTIVE_ARCH", "NO"},
        {"SKIP_INSTALL", "NO"},
        {"USE_HEADERMAP", "YES"},
        {"VALIDATE_PRODUCT", "NO"},
    };
    for (const auto &[key, value] : kDefaults) {
        resolver.push(key, std::string(value));
    }
}

} // namespace

void XAPushDefaultBuildSettings(XABuildSettingsResolver &resolver, const XABuildSettingsDefaultsInput &input) {
    pushProjectAndTarget(resolver, input);
    pushFolders(resolver);
    pushDeveloperDirectory(resolver, input.developerDirectory);
    pushHost(resolver);
    pushPlatform(resolver, input.sdk);
    pushProduct(resolver, productKind(input.productType), input.sdk.platform.deepBundles);
    pushCompilerDefaults(resolver);
}
