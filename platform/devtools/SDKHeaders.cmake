# The header trees of the stand-in SDKs: our own declarations of the C library, the Objective-C runtime and the
# frameworks, laid out into every SDK folder of <out>/Developer. SDKHeaders/Common holds what all SDKs share,
# SDKHeaders/iOS and SDKHeaders/macOS what one platform family adds (UIKit; AppKit and Cocoa). Every file keeps its
# path relative to the SDK folder (usr/include/..., System/Library/Frameworks/X.framework/...).
#
# Each SDK's usr/include and System/Library/Frameworks belong to these trees alone: they are emptied and copied
# again whenever a header changes, so that a removed header does not linger in the SDK.

set(TESSARY_SDK_HEADER_TREES "${CMAKE_CURRENT_SOURCE_DIR}/SDKHeaders")

# The C++ standard library of Objective-C++ files is LLVM's libc++, as in Apple's SDKs, where its headers lie in
# usr/include/c++/v1. Ours are the system's libc++ headers (Debian's libc++-14-dev), linked there, not copied; they
# stand on the C library of our trees (xlocale.h, wchar.h, ...). Not LLVM 19's: its package puts libc++abi's
# cxxabi.h into the LLVM 19 include folder that our own build searches before the host's C++ library.
find_path(TESSARY_LIBCXX_HEADERS NAMES __config PATHS /usr/lib/llvm-14/include/c++/v1 NO_DEFAULT_PATH)
if(NOT TESSARY_LIBCXX_HEADERS)
  message(WARNING "libc++ headers not found (libc++-14-dev): the SDKs have no C++ standard library")
endif()

# Adds the commands that lay out one SDK (its folder stem, such as "iPhoneOS") from the named parts of the trees;
# appends the stamp file that marks it done to the variable named by stamps_variable.
function(tessary_stage_sdk_headers stamps_variable platform_stem)
  set(sdk "${TESSARY_DEVELOPER_DIR}/Platforms/${platform_stem}.platform/Developer/SDKs/${platform_stem}.sdk")
  set(copy_commands)
  set(sources)
  foreach(part ${ARGN})
    file(GLOB_RECURSE part_files CONFIGURE_DEPENDS LIST_DIRECTORIES false "${TESSARY_SDK_HEADER_TREES}/${part}/*")
    list(APPEND sources ${part_files})
    list(APPEND copy_commands COMMAND ${CMAKE_COMMAND} -E copy_directory "${TESSARY_SDK_HEADER_TREES}/${part}" "${sdk}")
  endforeach()
  if(TESSARY_LIBCXX_HEADERS)
    list(APPEND copy_commands COMMAND ${CMAKE_COMMAND} -E make_directory "${sdk}/usr/include/c++"
      COMMAND ${CMAKE_COMMAND} -E create_symlink "${TESSARY_LIBCXX_HEADERS}" "${sdk}/usr/include/c++/v1")
  endif()
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/sdk-headers-${platform_stem}.stamp")
  # The list of the headers, rewritten only when it changes: a header removed from the trees lays the SDK out again.
  set(listing "${CMAKE_CURRENT_BINARY_DIR}/sdk-headers-${platform_stem}.list")
  string(REPLACE ";" "\n" listing_text "${sources}")
  file(CONFIGURE OUTPUT "${listing}" CONTENT "${listing_text}\n" @ONLY)
  add_custom_command(OUTPUT "${stamp}"
    COMMAND ${CMAKE_COMMAND} -E rm -rf "${sdk}/usr/include" "${sdk}/System/Library/Frameworks"
    ${copy_commands}
    COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
    DEPENDS ${sources} "${listing}"
    COMMENT "Laying out the headers of ${platform_stem}.sdk"
    VERBATIM)
  set(${stamps_variable} ${${stamps_variable}} "${stamp}" PARENT_SCOPE)
endfunction()

set(sdk_header_stamps)
tessary_stage_sdk_headers(sdk_header_stamps iPhoneOS Common UIKit iOS MapKit WebKit)
tessary_stage_sdk_headers(sdk_header_stamps iPhoneSimulator Common UIKit iOS MapKit WebKit)
tessary_stage_sdk_headers(sdk_header_stamps MacOSX Common macOS MapKit WebKit)
tessary_stage_sdk_headers(sdk_header_stamps WatchOS Common UIKit watchOS)
tessary_stage_sdk_headers(sdk_header_stamps WatchSimulator Common UIKit watchOS)
tessary_stage_sdk_headers(sdk_header_stamps AppleTVOS Common UIKit iOS MapKit)
tessary_stage_sdk_headers(sdk_header_stamps AppleTVSimulator Common UIKit iOS MapKit)
tessary_stage_sdk_headers(sdk_header_stamps XROS Common UIKit iOS MapKit WebKit)
tessary_stage_sdk_headers(sdk_header_stamps XRSimulator Common UIKit iOS MapKit WebKit)
add_custom_target(tessary-sdk-headers ALL DEPENDS ${sdk_header_stamps})
add_dependencies(tessary-devtools tessary-sdk-headers)
