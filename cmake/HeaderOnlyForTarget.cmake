# A cross build takes the header-only libraries (JSON, command-line parser) from the build
# machine's packages. Their folder /usr/include also holds the build machine's C library headers,
# which must never reach the target compiler, so the target sees the two libraries through links
# of their own in the build folder, under the names their packages' CMake files give them.
set(PPEXPORT_HEADER_ONLY_DIR ${CMAKE_BINARY_DIR}/header-only)
file(MAKE_DIRECTORY ${PPEXPORT_HEADER_ONLY_DIR})

function(ppexport_header_only_library target folder package)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: install Debian's ${package}")
  endif()
  file(CREATE_LINK /usr/include/${folder} ${PPEXPORT_HEADER_ONLY_DIR}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED)
  target_include_directories(${target} SYSTEM INTERFACE ${PPEXPORT_HEADER_ONLY_DIR})
endfunction()

ppexport_header_only_library(nlohmann_json::nlohmann_json nlohmann nlohmann-json3-dev)
ppexport_header_only_library(CLI11::CLI11 CLI libcli11-dev)
