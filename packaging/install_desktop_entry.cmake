# Run by `cmake --install`: the desktop entry, naming the installed program
# by its full path, since the games directory is not on every PATH.
file(READ "${ORVANDEL_DESKTOP_ENTRY}" entry)
string(REPLACE "\nExec=orvandel " "\nExec=${CMAKE_INSTALL_PREFIX}/${ORVANDEL_GAMESDIR}/orvandel " entry "${entry}")
get_filename_component(name "${ORVANDEL_DESKTOP_ENTRY}" NAME)
set(installed "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${ORVANDEL_APPLICATIONS}/${name}")
message(STATUS "Installing: ${installed}")
file(WRITE "${installed}" "${entry}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${installed}")
