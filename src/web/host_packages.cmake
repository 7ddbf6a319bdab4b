# The browser build cross-compiles, and Debian's nlohmann-json is a host
# package. Being header-only, it is offered to the WebAssembly build as a
# package whose include directory holds that library alone: the host's whole
# /usr/include would shadow the WebAssembly C library.
find_path(ORVANDEL_NLOHMANN_DIR nlohmann/json.hpp
  PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_file(ORVANDEL_NLOHMANN_VERSION nlohmann_jsonConfigVersion.cmake
  PATHS /usr/share/cmake/nlohmann_json /usr/lib/cmake/nlohmann_json NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT ORVANDEL_NLOHMANN_DIR OR NOT ORVANDEL_NLOHMANN_VERSION)
  message(FATAL_ERROR "nlohmann-json not found: install nlohmann-json3-dev")
endif()

set(headers "${CMAKE_BINARY_DIR}/host_headers")
file(MAKE_DIRECTORY "${headers}")
file(CREATE_LINK "${ORVANDEL_NLOHMANN_DIR}/nlohmann" "${headers}/nlohmann" SYMBOLIC)

set(package "${CMAKE_BINARY_DIR}/host_packages/nlohmann_json")
file(WRITE "${package}/nlohmann_jsonConfigVersion.cmake" "include(\"${ORVANDEL_NLOHMANN_VERSION}\")\n")
file(WRITE "${package}/nlohmann_jsonConfig.cmake"
  "if(NOT TARGET nlohmann_json::nlohmann_json)\n"
  "  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)\n"
  "  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES\n"
  "    INTERFACE_SYSTEM_INCLUDE_DIRECTORIES \"${headers}\" INTERFACE_INCLUDE_DIRECTORIES \"${headers}\")\n"
  "endif()\n")
set(nlohmann_json_DIR "${package}" CACHE PATH "nlohmann-json for the WebAssembly build" FORCE)
