# The program for Windows: the same sources, the real Win32 headers through
# platform/win32.h, and resources/setup.rc compiled unchanged.
enable_language(RC)
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
add_compile_options(-Wall -Wextra -Werror)

# The icon is converted by the host's icon_compiler, built beforehand.
if(NOT SETUP_ICON_COMPILER)
  message(FATAL_ERROR "SETUP_ICON_COMPILER must name the host's icon_compiler")
endif()
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/setup.ico
  COMMAND ${SETUP_ICON_COMPILER} ${CMAKE_SOURCE_DIR}/resources/setup_icon.txt
          ${CMAKE_BINARY_DIR}/setup.ico
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/setup_icon.txt
  COMMENT "Converting the icon")
set_source_files_properties(resources/setup.rc PROPERTIES OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/setup.ico)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/resources -I${CMAKE_BINARY_DIR}")

include(${CMAKE_CURRENT_LIST_DIR}/program_sources.cmake)
add_executable(setup WIN32 wizard/main.cpp ${PROGRAM_SOURCES} resources/setup.rc)
target_include_directories(setup PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(setup PRIVATE shell32 ole32 gdi32 user32 kernel32)
target_link_options(setup PRIVATE -static -static-libgcc -static-libstdc++)
set_target_properties(setup PROPERTIES OUTPUT_NAME Setup SUFFIX .EXE
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The player that drives the program's real windows from outside, for the
# end-to-end scenarios under wine.
add_executable(win32_player
  tests/wine/win32_player.cpp
  tests/wine/remote_windows.cpp
  tests/wine/geometry.cpp
  tests/wine/remote_tree.cpp
  platform/automation/script.cpp
  platform/automation/transcript.cpp
  platform/ui/rc_reader.cpp
  platform/ui/dialog_template.cpp
  platform/profile/profile_document.cpp
  platform/profile/code_page.cpp)
target_include_directories(win32_player PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(win32_player PRIVATE comctl32 user32 kernel32)
target_link_options(win32_player PRIVATE -static -static-libgcc -static-libstdc++)
set_target_properties(win32_player PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The conformance tables, run against the system's own functions. GoogleTest is
# built from the sources Debian installs with libgtest-dev.
set(GTEST_SOURCES /usr/src/googletest/googletest)
if(EXISTS ${GTEST_SOURCES}/CMakeLists.txt)
  set(gtest_disable_pthreads ON CACHE BOOL "Win32 threads only" FORCE)
  add_subdirectory(${GTEST_SOURCES} googletest EXCLUDE_FROM_ALL)
  add_executable(conformance_test
    tests/conformance/profile_strings_test.cpp
    tests/conformance/files_test.cpp
    tests/conformance/scratch_folder.cpp
    tests/conformance/scratch_folder_win32.cpp
    platform/profile/profile_document.cpp
    platform/profile/code_page.cpp)
  target_include_directories(conformance_test PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(conformance_test PRIVATE gtest_main kernel32)
  target_link_options(conformance_test PRIVATE -static -static-libgcc -static-libstdc++)
  set_target_properties(conformance_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
