# The sources that only macOS compiles, kept in one list, so that `./dev portability` can syntax-check them on
# Linux (tools/check-macos-sources) by what CMake builds rather than by file name.
#
# kelvane_macos_sources(TARGET SOURCES...): adds the sources to TARGET on macOS, and on every system records
# them with TARGET, whose include directories and definitions they compile with. A TARGET that only macOS
# builds names, after FLAGS_FROM, a target of every system that hands it the same usage requirements.
function(kelvane_macos_sources target)
    cmake_parse_arguments(ARG "" "FLAGS_FROM" "" ${ARGN})
    set(sources ${ARG_UNPARSED_ARGUMENTS})
    if(APPLE)
        target_sources(${target} PRIVATE ${sources})
    endif()
    set(flags_from ${target})
    if(ARG_FLAGS_FROM)
        set(flags_from ${ARG_FLAGS_FROM})
    endif()
    foreach(source IN LISTS sources)
        if(source MATCHES "\\.(cpp|mm)$")
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE)
            set_property(GLOBAL APPEND PROPERTY KELVANE_MACOS_SOURCES "${source}|${flags_from}")
        endif()
    endforeach()
endfunction()

# Writes the list into the build tree as macos-sources.txt, one source a line: the path, its include directories
# and its definitions, separated by tabs, each list by ";". Called once every target is defined.
function(kelvane_write_macos_sources)
    get_property(entries GLOBAL PROPERTY KELVANE_MACOS_SOURCES)
    set(content "")
    foreach(entry IN LISTS entries)
        string(REPLACE "|" ";" parts "${entry}")
        list(GET parts 0 source)
        list(GET parts 1 target)
        string(APPEND content "${source}\t$<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>\t"
                              "$<TARGET_PROPERTY:${target},COMPILE_DEFINITIONS>\n")
    endforeach()
    file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/macos-sources.txt CONTENT "${content}")
endfunction()
