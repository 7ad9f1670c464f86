# Writes the warning catalogue of one LLVM version as a C++ source, from what its diagtool reports:
#   list-warnings   every warning diagnostic and its flag
#   show-enabled    the diagnostics on by default, with their level (W warning, E error, R remark)
#   tree            the warning groups as a tree
# Run with cmake -P and the variables DIAGTOOL, OUTPUT and WORK_DIR.

foreach(variable DIAGTOOL OUTPUT WORK_DIR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "GenerateDiagnosticCatalogue.cmake needs ${variable}")
  endif()
endforeach()

function(run_diagtool result)
  execute_process(COMMAND "${DIAGTOOL}" ${ARGN}
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR output STREQUAL "")
    message(FATAL_ERROR "${DIAGTOOL} ${ARGN} failed (${status}): ${errors}")
  endif()
  # Brackets and semicolons would disturb CMake's lists; flags and names hold neither once these are replaced.
  string(REPLACE ";" "" output "${output}")
  string(REPLACE "[" "<" output "${output}")
  string(REPLACE "]" ">" output "${output}")
  string(REPLACE "\n" ";" output "${output}")
  set(${result} "${output}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY "${WORK_DIR}")
set(empty_source "${WORK_DIR}/empty.c")
file(WRITE "${empty_source}" "")

run_diagtool(warning_lines list-warnings)
run_diagtool(enabled_lines show-enabled "${empty_source}")
run_diagtool(tree_lines tree)

# Diagnostics of other languages (HLSL, OpenCL, CUDA, HIP, OpenMP, SYCL), by a word of their name or flag: they make
# no flag on by default for C and Objective-C code ("conversion" has one on by default for HLSL only).
set(other_language_word "(^|[_-])(hlsl|opencl|cuda|hip|omp|openmp|sycl)([_-]|$)")

# Default levels by diagnostic name.
set(default_on_flags)
foreach(line IN LISTS enabled_lines)
  if(line MATCHES "^([A-Z]) +([A-Za-z0-9_]+)( <-W([^>]*)>)?$")
    set(level "${CMAKE_MATCH_1}")
    set(name "${CMAKE_MATCH_2}")
    set(flag "${CMAKE_MATCH_4}")
    set(level_${name} "${level}")
    if(NOT level STREQUAL "R" AND NOT flag STREQUAL "" AND NOT name MATCHES "${other_language_word}"
       AND NOT flag MATCHES "${other_language_word}")
      list(APPEND default_on_flags "${flag}")
    endif()
  endif()
endforeach()
list(REMOVE_DUPLICATES default_on_flags)
list(SORT default_on_flags)

set(diagnostic_rows "")
set(diagnostic_count 0)
foreach(line IN LISTS warning_lines)
  if(line MATCHES "^STATISTICS")
    break()
  endif()
  if(line MATCHES "^  ([A-Za-z0-9_]+)( <-W([^>]*)>)?$")
    set(name "${CMAKE_MATCH_1}")
    set(flag "${CMAKE_MATCH_3}")
    set(level "0")
    if(DEFINED level_${name})
      set(level "'${level_${name}}'")
    endif()
    string(APPEND diagnostic_rows "    {\"${name}\", \"${flag}\", ${level}},\n")
    math(EXPR diagnostic_count "${diagnostic_count} + 1")
  endif()
endforeach()

set(group_rows "")
set(group_count 0)
foreach(line IN LISTS tree_lines)
  if(line MATCHES "^( *)-W(.*)$")
    string(LENGTH "${CMAKE_MATCH_1}" indent)
    math(EXPR depth "${indent} / 2")
    string(APPEND group_rows "    {${depth}, \"${CMAKE_MATCH_2}\"},\n")
    math(EXPR group_count "${group_count} + 1")
  endif()
endforeach()

set(flag_rows "")
foreach(flag IN LISTS default_on_flags)
  string(APPEND flag_rows "    \"${flag}\",\n")
endforeach()
list(LENGTH default_on_flags flag_count)

if(diagnostic_count EQUAL 0 OR group_count EQUAL 0 OR flag_count EQUAL 0)
  message(FATAL_ERROR "${DIAGTOOL} gave an empty catalogue: ${diagnostic_count} warnings, ${group_count} groups, "
    "${flag_count} flags on by default")
endif()

set(content "// Generated at build time from ${DIAGTOOL}; do not edit.

#include \"XAClangDiagnosticCatalogue.h\"

namespace xa_clangext {

namespace {

const DiagnosticEntry diagnostics[] = {
${diagnostic_rows}};

const DiagnosticGroupEntry groups[] = {
${group_rows}};

const char *const defaultOnFlags[] = {
${flag_rows}};

} // namespace

const DiagnosticCatalogue &diagnosticCatalogue() {
    static const DiagnosticCatalogue catalogue{diagnostics, ${diagnostic_count}, groups, ${group_count},
                                               defaultOnFlags, ${flag_count}};
    return catalogue;
}

} // namespace xa_clangext
")

# Rewritten only when it changes, so that an unchanged catalogue compiles nothing again.
set(temporary "${OUTPUT}.tmp")
file(WRITE "${temporary}" "${content}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${temporary}" "${OUTPUT}")
file(REMOVE "${temporary}")
