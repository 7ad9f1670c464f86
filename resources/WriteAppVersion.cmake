# Writes the staged appversion.json: the repository's file with the build time ("timestamp", seconds since 1970 UTC)
# and the source revision ("vcs_revision") added. The file is left alone while the version and revision stay the
# same, so that the recorded time is that of the build that made them.
#
# Inputs: SOURCE (resources/appversion.json), DESTINATION, SOURCE_DIR (the repository).
file(READ "${SOURCE}" contents)

set(revision "")
find_program(GIT_PROGRAM git)
if(GIT_PROGRAM)
  execute_process(COMMAND "${GIT_PROGRAM}" -C "${SOURCE_DIR}" rev-parse HEAD
    OUTPUT_VARIABLE revision OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE git_status)
  if(NOT git_status EQUAL 0)
    set(revision "")
  endif()
endif()
if(revision)
  string(JSON contents SET "${contents}" vcs_revision "\"${revision}\"")
endif()

if(EXISTS "${DESTINATION}")
  file(READ "${DESTINATION}" existing)
  string(JSON existing_timestamp ERROR_VARIABLE timestamp_error GET "${existing}" timestamp)
  if(NOT timestamp_error)
    string(JSON existing_without_time ERROR_VARIABLE remove_error REMOVE "${existing}" timestamp)
    string(JSON same ERROR_VARIABLE compare_error EQUAL "${existing_without_time}" "${contents}")
    if(same AND NOT remove_error AND NOT compare_error)
      return()
    endif()
  endif()
endif()

string(TIMESTAMP now "%s" UTC)
string(JSON contents SET "${contents}" timestamp "${now}")
file(WRITE "${DESTINATION}" "${contents}\n")
