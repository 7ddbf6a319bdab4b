# cmake -DPROGRAM=... -DREADELF=... -P hardening.cmake
# The program is built as Debian builds what it packages (dpkg-buildflags
# with hardening=+all), read from the binary as lintian reads it: relocations
# read-only after start-up (relro) and bound at start-up (bindnow), the stack
# protector, and the fortified versions of the C library's calls.
execute_process(COMMAND ${READELF} -W --program-headers --dynamic --dyn-syms ${PROGRAM}
  OUTPUT_VARIABLE elf COMMAND_ERROR_IS_FATAL ANY)
set(missing)
if(NOT elf MATCHES "GNU_RELRO")
  list(APPEND missing "relro (no GNU_RELRO segment)")
endif()
if(NOT elf MATCHES "\\(FLAGS\\)[^\n]*BIND_NOW" AND NOT elf MATCHES "\\(FLAGS_1\\)[^\n]*NOW")
  list(APPEND missing "bindnow (no BIND_NOW flag)")
endif()
if(NOT elf MATCHES "__stack_chk_fail")
  list(APPEND missing "stack protector (no __stack_chk_fail)")
endif()
string(REGEX MATCHALL "__[a-z0-9_]+_chk@" fortified "${elf}")
list(FILTER fortified EXCLUDE REGEX "__stack_chk")
if(NOT fortified)
  list(APPEND missing "fortify (no __*_chk function)")
endif()
if(missing)
  list(JOIN missing "\n  " missing)
  message(FATAL_ERROR "${PROGRAM} is built without:\n  ${missing}")
endif()
list(REMOVE_DUPLICATES fortified)
message(STATUS "relro, bindnow, stack protector; fortified: ${fortified}")
