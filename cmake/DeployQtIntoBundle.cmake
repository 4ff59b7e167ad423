# Run by `cmake --install` on macOS (installer-pane/mac/CMakeLists.txt sets the variables): makes an installed
# loadable bundle carry the Qt it runs on. The Qt plug-ins named go into Contents/PlugIns, every Qt framework
# that the bundle's program or those plug-ins link, directly or through each other, into Contents/Frameworks;
# then every reference among them is made @rpath/..., and each file's one rpath leads from where it lies
# (@loader_path) to Contents/Frameworks. Qt's own deployment serves applications only, and a loadable bundle
# runs inside a host whose @executable_path is no help.
#   KELVANE_DEPLOY_BUNDLE      the bundle, relative to the install prefix
#   KELVANE_DEPLOY_QT_LIBS     Qt's framework directory;  KELVANE_DEPLOY_QT_PLUGINS  Qt's plug-in directory
#   KELVANE_DEPLOY_PLUGINS     plug-ins relative to the latter (platforms/libqcocoa.dylib ...)
cmake_policy(VERSION 3.25) # run by cmake_install.cmake, which sets no policies of its own
set(bundle "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${KELVANE_DEPLOY_BUNDLE}")
set(frameworks "${bundle}/Contents/Frameworks")
set(plugins "${bundle}/Contents/PlugIns")
get_filename_component(main "${bundle}" NAME_WE)

function(run)
    execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# The names (QtCore ...) of the Qt frameworks that FILE links, as @rpath/ or by Qt's absolute path.
function(qt_frameworks_of file out)
    execute_process(COMMAND otool -L "${file}" OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "[\n\t/](Qt[A-Za-z0-9]+)\\.framework/" found "${listing}")
    list(TRANSFORM found REPLACE "^[\n\t/](Qt[A-Za-z0-9]+)\\.framework/$" "\\1")
    list(REMOVE_DUPLICATES found)
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# FILE names its Qt frameworks as @rpath/..., and RPATH is its only rpath.
function(relink file rpath)
    execute_process(COMMAND otool -L "${file}" OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "\t/[^\n]*/Qt[A-Za-z0-9]+\\.framework/[^ \n]+" absolute "${listing}")
    list(REMOVE_DUPLICATES absolute)
    foreach(dependency IN LISTS absolute)
        string(STRIP "${dependency}" dependency)
        string(REGEX REPLACE "^.*/(Qt[A-Za-z0-9]+\\.framework/)" "@rpath/\\1" relative "${dependency}")
        run(install_name_tool -change "${dependency}" "${relative}" "${file}")
    endforeach()
    # otool -l: "cmd LC_RPATH", "cmdsize N", "path P (offset N)".
    execute_process(COMMAND otool -l "${file}" OUTPUT_VARIABLE commands COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "cmd LC_RPATH\n[^\n]*\n[ ]*path [^\n]* \\(offset" rpaths "${commands}")
    list(REMOVE_DUPLICATES rpaths)
    foreach(entry IN LISTS rpaths)
        string(REGEX REPLACE "^.*path (.*) \\(offset$" "\\1" old "${entry}")
        run(install_name_tool -delete_rpath "${old}" "${file}")
    endforeach()
    run(install_name_tool -add_rpath "${rpath}" "${file}")
endfunction()

foreach(plugin IN LISTS KELVANE_DEPLOY_PLUGINS)
    get_filename_component(directory "${plugin}" DIRECTORY)
    file(COPY "${KELVANE_DEPLOY_QT_PLUGINS}/${plugin}" DESTINATION "${plugins}/${directory}")
endforeach()
file(GLOB_RECURSE plugin_files "${plugins}/*.dylib")

set(pending "${bundle}/Contents/MacOS/${main}" ${plugin_files})
set(deployed "")
while(pending)
    list(POP_FRONT pending file)
    qt_frameworks_of("${file}" names)
    foreach(name IN LISTS names)
        if(NOT name IN_LIST deployed)
            list(APPEND deployed ${name})
            message(STATUS "Deploying: ${name}.framework into ${bundle}")
            file(COPY "${KELVANE_DEPLOY_QT_LIBS}/${name}.framework" DESTINATION "${frameworks}"
                 PATTERN "Headers" EXCLUDE PATTERN "*.prl" EXCLUDE)
            list(APPEND pending "${frameworks}/${name}.framework/Versions/A/${name}")
        endif()
    endforeach()
endwhile()

relink("${bundle}/Contents/MacOS/${main}" "@loader_path/../Frameworks")
foreach(file IN LISTS plugin_files)
    relink("${file}" "@loader_path/../../Frameworks")
endforeach()
foreach(name IN LISTS deployed)
    set(file "${frameworks}/${name}.framework/Versions/A/${name}")
    run(install_name_tool -id "@rpath/${name}.framework/Versions/A/${name}" "${file}")
    relink("${file}" "@loader_path/../../..")
endforeach()
