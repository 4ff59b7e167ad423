# Signs what `cmake --install` lays out on macOS: Enroller.bundle, then the application with everything that
# other targets installed into it (SignInstalledBundle.cmake signs inside-out). Included last by the top
# CMakeLists.txt, so that it runs after every other install rule, Qt's deployment included. The hardened runtime
# is on for all of it.
set(KELVANE_CODESIGN_IDENTITY "" CACHE STRING "codesign identity for the installed bundles; empty signs ad hoc")

# kelvane_sign_installed_bundle(PATH [ENTITLEMENTS FILE] [VERIFY_ONLY FILE]): PATH relative to the install
# prefix, VERIFY_ONLY relative to the bundle.
function(kelvane_sign_installed_bundle path)
    cmake_parse_arguments(ARG "" "ENTITLEMENTS;VERIFY_ONLY" "" ${ARGN})
    set(identity "${KELVANE_CODESIGN_IDENTITY}")
    if(identity STREQUAL "")
        set(identity "-")
    endif()
    install(CODE "set(KELVANE_SIGN_BUNDLE [[${path}]])
set(KELVANE_SIGN_IDENTITY [[${identity}]])
set(KELVANE_SIGN_ENTITLEMENTS [[${ARG_ENTITLEMENTS}]])
set(KELVANE_SIGN_VERIFY_ONLY [[${ARG_VERIFY_ONLY}]])")
    install(SCRIPT ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/SignInstalledBundle.cmake)
endfunction()

# Library validation lets a program load only libraries signed by its own team; signed ad hoc, neither the
# programs nor the Qt deployed beside them have a team, so only an ad hoc signature needs it turned off.
set(entitlements "")
if(KELVANE_CODESIGN_IDENTITY STREQUAL "")
    set(entitlements ENTITLEMENTS ${PROJECT_SOURCE_DIR}/packaging/macos/KelvaneOSAgent.entitlements)
endif()

if(TARGET enroller_bundle)
    kelvane_sign_installed_bundle("${KELVANE_PLUGIN_INSTALL_DIR}/$<TARGET_BUNDLE_DIR_NAME:enroller_bundle>")
endif()
# The daemon lies where the agent service contract puts it inside the application.
kelvane_sign_installed_bundle("$<TARGET_BUNDLE_DIR_NAME:kelvane-os-agent>" ${entitlements}
                              VERIFY_ONLY "Contents/Resources/qmx-osagent/qmx-osagent")
