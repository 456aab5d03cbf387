# Helpers that keep each folder's CMakeLists.txt to a list of its files.
#
# pure_library(NAME src... [DEPS lib...]): Windows-free code, built on every
# flavour and tested natively under sanitizers.
# win_library(NAME src... [DEPS lib...]): Windows-bound code, built on the
# MinGW flavours only.
# plugin_dll(NAME ENTRY src... DEPS lib...): one deliverable DLL with the
# exact export table (.def) and the Japanese version resource.

function(pure_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
    if(ARG_DEPS)
        target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    endif()
    set_property(GLOBAL APPEND PROPERTY PURE_LIBRARIES ${name})
endfunction()

function(win_library name)
    if(NOT WIN32)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
    if(ARG_DEPS)
        target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    endif()
    set_property(GLOBAL APPEND PROPERTY WIN_LIBRARIES ${name})
endfunction()

function(plugin_dll name)
    if(NOT WIN32)
        return()
    endif()
    cmake_parse_arguments(ARG "" "DESCRIPTION" "ENTRY;DEPS" ${ARGN})
    set(PLUGIN_NAME ${name})
    configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc @ONLY)
    add_library(${name} MODULE ${ARG_ENTRY} ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/plugin/Plugin.def)
    set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".dll" OUTPUT_NAME ${name})
    # The .def file names the two exports at ordinals 1 and 10 and nothing else;
    # --kill-at drops the stdcall @N decoration on the 32-bit build.
    target_link_options(${name} PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup)
    target_link_libraries(${name} PRIVATE ${ARG_DEPS})
    set_property(GLOBAL APPEND PROPERTY PLUGIN_DLLS ${name})
endfunction()
