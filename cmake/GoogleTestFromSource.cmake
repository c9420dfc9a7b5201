# A cross build compiles GoogleTest from the sources of Debian's googletest package, with the
# target's compiler; the build machine's libgtest cannot link into a Windows program.
set(PPEXPORT_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${PPEXPORT_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "${PPEXPORT_GOOGLETEST_SOURCE} is missing: install Debian's googletest")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${PPEXPORT_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
