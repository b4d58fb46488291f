# Install step: gathers the menu program's runtime into the program folder, so that a disc build
# only copies it. Called with RUNTIME_DIR (the destination), MENU_PROGRAM (the installed menu
# program), PLUGIN_DIR (Qt's plugin folder), PLUGINS (paths below it) and TRANSLATIONS (Qt's own
# catalogues, so that Qt's buttons and choosers speak the disc's language).
#
# Layout of RUNTIME_DIR, mirrored into a disc's CFG folder:
#   lib/       the shared libraries, each under its soname, no symlinks
#   plugins/   the Qt plugins, in Qt's folder structure
#   translations/  Qt's catalogues
#   qt.conf    lies beside the menu program and points Qt at both

# Libraries every desktop Linux system brings; shipping them would clash with the system's driver
# stack or C runtime.
set(system_libraries
    "^ld-linux" "^libc\\.so" "^libm\\.so" "^libmvec\\.so" "^libdl\\.so" "^libpthread\\.so" "^librt\\.so"
    "^libresolv\\.so" "^libutil\\.so" "^libanl\\.so" "^libnsl\\.so" "^libnss_" "^libBrokenLocale"
    "^libthread_db" "^libstdc\\+\\+\\.so" "^libgcc_s\\.so"
    "^libX11\\.so" "^libX11-xcb\\.so" "^libxcb\\.so" "^libxcb-dri" "^libxcb-glx" "^libxcb-present"
    "^libxcb-sync" "^libxcb-xfixes" "^libxcb-shm" "^libxcb-randr" "^libxcb-render\\.so" "^libXau\\.so"
    "^libXdmcp\\.so" "^libXext\\.so" "^libXrender\\.so" "^libxshmfence" "^libICE\\.so" "^libSM\\.so"
    "^libGL\\.so" "^libGLX" "^libGLdispatch" "^libOpenGL" "^libEGL" "^libGLES" "^libglapi" "^libgbm"
    "^libdrm\\.so" "^libvulkan"
    "^libfontconfig" "^libfreetype" "^libharfbuzz\\.so" "^libfribidi" "^libthai" "^libexpat"
    "^libz\\.so" "^libdbus-1\\.so" "^libasound" "^libjack" "^libuuid" "^libusb-1" "^libgmp"
    "^libgpg-error" "^libp11-kit" "^libcom_err" "^libgssapi_krb5" "^libkrb5" "^libk5crypto")

# Start from an empty folder: libraries and plugins that an earlier install brought but the menu
# program no longer needs must not travel onto discs.
file(REMOVE_RECURSE "${RUNTIME_DIR}")

set(plugin_files "")
foreach(plugin IN LISTS PLUGINS)
    if(EXISTS "${PLUGIN_DIR}/${plugin}")
        get_filename_component(folder "${plugin}" DIRECTORY)
        file(INSTALL "${PLUGIN_DIR}/${plugin}" DESTINATION "${RUNTIME_DIR}/plugins/${folder}")
        list(APPEND plugin_files "${PLUGIN_DIR}/${plugin}")
    endif()
endforeach()

file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES "${MENU_PROGRAM}"
    MODULES ${plugin_files}
    RESOLVED_DEPENDENCIES_VAR libraries
    UNRESOLVED_DEPENDENCIES_VAR unresolved
    PRE_EXCLUDE_REGEXES ${system_libraries})
if(unresolved)
    message(WARNING "The menu program's runtime misses: ${unresolved}")
endif()

# Copied only when changed, and a library no longer needed does not linger.
file(MAKE_DIRECTORY "${RUNTIME_DIR}/lib")
set(names "")
foreach(library IN LISTS libraries)
    get_filename_component(name "${library}" NAME)
    list(APPEND names "${name}")
    file(REAL_PATH "${library}" real)
    file(COPY_FILE "${real}" "${RUNTIME_DIR}/lib/${name}" ONLY_IF_DIFFERENT)
endforeach()
file(GLOB shipped RELATIVE "${RUNTIME_DIR}/lib" "${RUNTIME_DIR}/lib/*")
foreach(name IN LISTS shipped)
    list(FIND names "${name}" index)
    if(index EQUAL -1)
        file(REMOVE "${RUNTIME_DIR}/lib/${name}")
    endif()
endforeach()
list(LENGTH libraries count)
message(STATUS "Menu program runtime: ${count} libraries")

foreach(catalogue IN LISTS TRANSLATIONS)
    if(EXISTS "${catalogue}")
        file(INSTALL "${catalogue}" DESTINATION "${RUNTIME_DIR}/translations")
    else()
        message(WARNING "The menu program's runtime misses Qt's catalogue ${catalogue}")
    endif()
endforeach()

file(WRITE "${RUNTIME_DIR}/qt.conf"
     "[Paths]\nPrefix=CFG\nLibraries=lib\nPlugins=plugins\nTranslations=translations\n")
