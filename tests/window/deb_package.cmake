# cmake -DBUILD_DIR=... -DOUT_DIR=... -DCPACK=... -DLINTIAN=... -P deb_package.cmake
# Packs the built tree as a .deb into OUT_DIR and checks that it holds the
# programs where Debian keeps games, their manual pages, the copyright and
# changelog, the desktop entry naming the installed program, the icons and
# the metadata; that it declares the libraries, fonts and translations it
# needs; and that Debian's own checker, lintian, finds nothing to say.
file(REMOVE_RECURSE ${OUT_DIR})
execute_process(
  COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT_DIR}
  RESULT_VARIABLE packed OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB debs ${OUT_DIR}/*.deb)
list(LENGTH debs count)
if(NOT packed EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages:\n${log}")
endif()

execute_process(COMMAND dpkg-deb -c ${debs} OUTPUT_VARIABLE files COMMAND_ERROR_IS_FATAL ANY)
foreach(expected
    ./usr/games/orvandel
    ./usr/games/orvandel-cli
    ./usr/share/man/man6/orvandel.6.gz
    ./usr/share/man/man1/orvandel-cli.1.gz
    ./usr/share/doc/orvandel/copyright
    ./usr/share/doc/orvandel/changelog.gz
    ./usr/share/applications/io.github.orvandel.Orvandel.desktop
    ./usr/share/metainfo/io.github.orvandel.Orvandel.metainfo.xml
    ./usr/share/icons/hicolor/16x16/apps/io.github.orvandel.Orvandel.png
    ./usr/share/icons/hicolor/256x256/apps/io.github.orvandel.Orvandel.png
    ./usr/share/icons/hicolor/scalable/apps/io.github.orvandel.Orvandel.svg)
  string(FIND "${files}" " ${expected}\n" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${expected} is missing from the package:\n${files}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -f ${debs} Depends OUTPUT_VARIABLE depends COMMAND_ERROR_IS_FATAL ANY)
foreach(expected libqt6widgets6 libqt6printsupport6 libqrcodegencpp1 fonts-wine fonts-comic-neue fonts-dejavu-core
                 qt6-translations-l10n)
  string(FIND "${depends}" "${expected}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the package does not depend on ${expected}: ${depends}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -x ${debs} ${OUT_DIR}/root COMMAND_ERROR_IS_FATAL ANY)
file(STRINGS ${OUT_DIR}/root/usr/share/applications/io.github.orvandel.Orvandel.desktop exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=/usr/games/orvandel %f")
  message(FATAL_ERROR "the desktop entry starts ${exec}, not /usr/games/orvandel %f")
endif()

if(NOT LINTIAN)
  message(FATAL_ERROR "lintian is missing (scripts/install-deps installs it)")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning --no-tag-display-limit ${debs}
  RESULT_VARIABLE clean OUTPUT_VARIABLE tags ERROR_VARIABLE tags)
if(NOT clean EQUAL 0)
  message(FATAL_ERROR "lintian finds errors or warnings in the package:\n${tags}")
endif()
