# The one version of the project, from the file VERSION (MAJOR.MINOR.PATCH):
# KESTRIX_VERSION and its three numbers, and kestrix_add_version_resource().
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../VERSION KESTRIX_VERSION LIMIT_COUNT 1)
string(STRIP "${KESTRIX_VERSION}" KESTRIX_VERSION)
if(NOT KESTRIX_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "VERSION must read MAJOR.MINOR.PATCH, not \"${KESTRIX_VERSION}\"")
endif()
set(KESTRIX_VERSION_MAJOR ${CMAKE_MATCH_1})
set(KESTRIX_VERSION_MINOR ${CMAKE_MATCH_2})
set(KESTRIX_VERSION_PATCH ${CMAKE_MATCH_3})
# A change of VERSION configures the build anew.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../VERSION)

# kestrix_add_version_resource(TARGET FILE_NAME DESCRIPTION): gives the
# program or DLL a version resource (file version, product name, description).
function(kestrix_add_version_resource target file_name description)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        set(rc_file_type VFT_APP)
    else()
        set(rc_file_type VFT_DLL)
    endif()
    set(rc_file_name ${file_name})
    set(rc_description ${description})
    get_filename_component(rc_internal_name ${file_name} NAME_WE)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
