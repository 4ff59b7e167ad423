# Run by `cmake --install` on macOS (MacSigning.cmake sets the three variables): signs every program inside
# the installed bundle, then the bundle, with the hardened runtime and the given entitlements.
set(bundle "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${KELVANE_SIGN_BUNDLE}")
set(sign codesign --force --sign "${KELVANE_SIGN_IDENTITY}" --options runtime)
if(NOT KELVANE_SIGN_IDENTITY STREQUAL "-")
    list(APPEND sign --timestamp) # notarisation wants a secure timestamp; an ad hoc signature has none
endif()
if(KELVANE_SIGN_ENTITLEMENTS)
    list(APPEND sign --entitlements "${KELVANE_SIGN_ENTITLEMENTS}")
endif()

# codesign seals a bundle only once the code nested in it is signed: the programs in Contents/MacOS other
# than the bundle's own (osagent-enroll), and those in Contents/Resources (the agent daemon). They are told
# from other files by their Mach-O magic. The bundle's own program is signed with the bundle.
get_filename_component(main "${bundle}" NAME_WE)
file(GLOB_RECURSE nested LIST_DIRECTORIES false "${bundle}/Contents/MacOS/*" "${bundle}/Contents/Resources/*")
list(REMOVE_ITEM nested "${bundle}/Contents/MacOS/${main}")
foreach(file IN LISTS nested)
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic MATCHES "^(cffaedfe|cefaedfe|cafebabe)$")
        message(STATUS "Signing: ${file}")
        execute_process(COMMAND ${sign} "${file}" COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
message(STATUS "Signing: ${bundle}")
execute_process(COMMAND ${sign} "${bundle}" COMMAND_ERROR_IS_FATAL ANY)
