# Writes Version.h, touching it only when its text changes.
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS "${SOURCE_DIR}/.git")
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-list --count HEAD
        WORKING_DIRECTORY ${SOURCE_DIR}
        OUTPUT_VARIABLE git_count OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE count_result ERROR_QUIET)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --short=12 HEAD
        WORKING_DIRECTORY ${SOURCE_DIR}
        OUTPUT_VARIABLE git_commit OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE commit_result ERROR_QUIET)
    if(count_result EQUAL 0 AND commit_result EQUAL 0)
        set(BUILD_NUMBER "${git_count}")
        set(COMMIT "${git_commit}")
    endif()
endif()

set(text "// Generated at build time; do not edit.
#pragma once

namespace Version {
inline constexpr char marketingVersion[] = \"${MARKETING_VERSION}\";
inline constexpr char buildNumber[] = \"${BUILD_NUMBER}\";
inline constexpr char commit[] = \"${COMMIT}\";
}
")

if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" current)
endif()
if(NOT current STREQUAL text)
    file(WRITE "${OUTPUT}" "${text}")
endif()
