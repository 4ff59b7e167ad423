# Run by `cmake --install` on macOS (MacSigning.cmake sets the variables): signs our code in an installed bundle
# inside-out, each piece by itself with its own options, not with --deep, which gives every piece the same
# options and entitlements ("--deep Considered Harmful", https://developer.apple.com/forums/thread/129980): the Qt
# frameworks in Contents/Frameworks, the plug-ins and other libraries, the programs beside the bundle's own, then
# the bundle, with the hardened runtime; KELVANE_SIGN_ENTITLEMENTS, when set, go to the programs.
# KELVANE_SIGN_VERIFY_ONLY names, relative to the bundle, code that is not ours (the vendor's agent daemon): its
# signature is verified (codesign --verify --strict), never replaced.
cmake_policy(VERSION 3.25) # run by cmake_install.cmake, which sets no policies of its own
set(bundle "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${KELVANE_SIGN_BUNDLE}")
set(sign codesign --force --sign "${KELVANE_SIGN_IDENTITY}" --options runtime)
if(NOT KELVANE_SIGN_IDENTITY STREQUAL "-")
    list(APPEND sign --timestamp) # notarisation wants a secure timestamp; an ad hoc signature has none
endif()
set(entitlements "")
if(KELVANE_SIGN_ENTITLEMENTS)
    set(entitlements --entitlements "${KELVANE_SIGN_ENTITLEMENTS}")
endif()
set(foreign "")
if(KELVANE_SIGN_VERIFY_ONLY)
    set(foreign "${bundle}/${KELVANE_SIGN_VERIFY_ONLY}")
endif()

function(sign_code path)
    message(STATUS "Signing: ${path}")
    execute_process(COMMAND ${sign} ${ARGN} "${path}" COMMAND_ERROR_IS_FATAL ANY)
endfunction()

function(is_mach_o file out)
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic MATCHES "^(cffaedfe|cefaedfe|cafebabe)$")
        set(${out} TRUE PARENT_SCOPE)
    else()
        set(${out} FALSE PARENT_SCOPE)
    endif()
endfunction()

# 1. Frameworks, by their version directory, as codesign signs a framework.
file(GLOB frameworks LIST_DIRECTORIES true "${bundle}/Contents/Frameworks/*.framework")
foreach(framework IN LISTS frameworks)
    sign_code("${framework}/Versions/A")
endforeach()
# 2. Loose libraries and the Qt plug-ins.
file(GLOB_RECURSE libraries LIST_DIRECTORIES false "${bundle}/Contents/PlugIns/*" "${bundle}/Contents/Frameworks/*")
list(FILTER libraries EXCLUDE REGEX "\\.framework/")
foreach(file IN LISTS libraries)
    is_mach_o("${file}" code)
    if(code)
        sign_code("${file}")
    endif()
endforeach()
# 3. Programs other than the bundle's own: Contents/MacOS (osagent-enroll) and Contents/Resources.
get_filename_component(main "${bundle}" NAME_WE)
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${bundle}/Contents/MacOS/*" "${bundle}/Contents/Resources/*")
list(REMOVE_ITEM programs "${bundle}/Contents/MacOS/${main}")
foreach(file IN LISTS programs)
    is_mach_o("${file}" code)
    if(NOT code)
        continue()
    endif()
    if(file STREQUAL foreign)
        message(STATUS "Verifying the vendor's signature: ${file}")
        execute_process(COMMAND codesign --verify --strict --verbose=2 "${file}" RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "${file} is not validly signed; it is the vendor's and is never signed here")
        endif()
    else()
        sign_code("${file}" ${entitlements})
    endif()
endforeach()
# 4. The bundle, with its own program.
sign_code("${bundle}" ${entitlements})
