# Signs what `cmake --install` lays out on macOS: Enroller.bundle, then the application with everything that
# other targets installed into it (their programs first, as codesign wants). Included last by the top
# CMakeLists.txt, so that it runs after every other install rule. The hardened runtime is on for all of it.
set(KELVANE_CODESIGN_IDENTITY "" CACHE STRING "codesign identity for the installed bundles; empty signs ad hoc")

# kelvane_sign_installed_bundle(PATH [ENTITLEMENTS FILE]): PATH relative to the install prefix.
function(kelvane_sign_installed_bundle path)
    cmake_parse_arguments(ARG "" "ENTITLEMENTS" "" ${ARGN})
    set(identity "${KELVANE_CODESIGN_IDENTITY}")
    if(identity STREQUAL "")
        set(identity "-")
    endif()
    install(CODE "set(KELVANE_SIGN_BUNDLE [[${path}]])
set(KELVANE_SIGN_IDENTITY [[${identity}]])
set(KELVANE_SIGN_ENTITLEMENTS [[${ARG_ENTITLEMENTS}]])")
    install(SCRIPT ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/SignInstalledBundle.cmake)
endfunction()

if(TARGET enroller_bundle)
    kelvane_sign_installed_bundle("${KELVANE_PLUGIN_INSTALL_DIR}/$<TARGET_BUNDLE_DIR_NAME:enroller_bundle>")
endif()
kelvane_sign_installed_bundle("$<TARGET_BUNDLE_DIR_NAME:kelvane-os-agent>"
                              ENTITLEMENTS ${PROJECT_SOURCE_DIR}/packaging/macos/KelvaneOSAgent.entitlements)
