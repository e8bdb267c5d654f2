# Version facts compiled into the program. The marketing version is the
# project's; the build number and commit come from git at build time (so a
# new commit needs no re-configure), or from PELMOR_BUILD_NUMBER and
# PELMOR_COMMIT for builds outside a git checkout.
set(PELMOR_BUILD_NUMBER "" CACHE STRING "Build number when the source is not a git checkout")
set(PELMOR_COMMIT "" CACHE STRING "Source commit when the source is not a git checkout")

set(PELMOR_VERSION_HEADER "${CMAKE_BINARY_DIR}/generated/Version.h")
add_custom_target(pelmor_version_header
    COMMAND ${CMAKE_COMMAND}
        -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
        -DOUTPUT=${PELMOR_VERSION_HEADER}
        -DMARKETING_VERSION=${PROJECT_VERSION}
        -DBUILD_NUMBER=${PELMOR_BUILD_NUMBER}
        -DCOMMIT=${PELMOR_COMMIT}
        -P ${CMAKE_SOURCE_DIR}/cmake/WriteVersion.cmake
    BYPRODUCTS ${PELMOR_VERSION_HEADER}
    COMMENT "Reading version facts"
    VERBATIM)
