# GoogleTest for the test programs: the installed package on Linux; on Windows compiled from
# Debian's packaged sources (/usr/src/googletest), since no Windows build of it is installed.
# qel_discover_tests lists a program's tests by running it, which a cross-build cannot do: there
# scripts/test-windows.sh lists and runs them under Wine instead.
include_guard(GLOBAL)
if(WIN32)
  if(NOT TARGET GTest::gtest)
    set(QEL_GOOGLETEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources for the Windows build")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory("${QEL_GOOGLETEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/_deps/googletest-build" EXCLUDE_FROM_ALL)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

function(qel_discover_tests target)
  if(NOT CMAKE_CROSSCOMPILING)
    gtest_discover_tests(${target} ${ARGN})
  endif()
endfunction()
