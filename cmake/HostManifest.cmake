# The host's manifest, host/win32/host.manifest, as resource
# KESTRIX_HOST_MANIFEST_ID of every program that hosts the plug-in:
# kestrix.exe, the benchmark and the test programs. Not resource 1, which the
# loader would apply at start for good; host/win32/common_controls.cpp
# activates it, unless the host is asked for the classic controls.
set(KESTRIX_HOST_MANIFEST_ID 200)
set(KESTRIX_HOST_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/../host/win32/host.manifest)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/host_manifest.rc
     CONTENT "${KESTRIX_HOST_MANIFEST_ID} 24 \"${KESTRIX_HOST_MANIFEST}\"\n")

# kestrix_add_host_manifest(TARGET): gives the program the host's manifest.
function(kestrix_add_host_manifest target)
    set(rc ${CMAKE_BINARY_DIR}/host_manifest.rc)
    target_sources(${target} PRIVATE ${rc})
    set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY
                 OBJECT_DEPENDS ${KESTRIX_HOST_MANIFEST})
endfunction()
