# GoogleTest: the native build uses Debian's packaged library, the cross build
# compiles it from the sources Debian ships.
if(WIN32)
  if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
  set(ANAGRILLA_GTEST gtest gtest_main)
else()
  find_package(GTest REQUIRED)
  find_package(Threads REQUIRED)
  set(ANAGRILLA_GTEST GTest::gtest GTest::gtest_main Threads::Threads)
endif()

# One ctest entry per test program: under Wine every process start costs,
# so we do not split programs into one process per test case.
# Options: TSAN marks tests of worker logic, the only ones the ThreadSanitizer
# build compiles; NATIVE_ONLY and WINDOWS_ONLY restrict to one build.
function(anagrilla_test name)
  cmake_parse_arguments(T "TSAN;NATIVE_ONLY;WINDOWS_ONLY" "" "SOURCES;LIBS" ${ARGN})
  if(ANAGRILLA_TSAN AND NOT T_TSAN)
    return()
  endif()
  if((WIN32 AND T_NATIVE_ONLY) OR (NOT WIN32 AND T_WINDOWS_ONLY))
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${ANAGRILLA_GTEST})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# A program folder: its portable sources join the core, its win/ sources the
# Windows shell. New files are picked up at the next build.
function(anagrilla_folder)
  file(GLOB core_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(core_sources)
    target_sources(anagrilla_core PRIVATE ${core_sources})
  endif()
  if(WIN32)
    file(GLOB win_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/win/*.h)
    if(win_sources)
      target_sources(anagrilla_win PRIVATE ${win_sources})
    endif()
  endif()
endfunction()
