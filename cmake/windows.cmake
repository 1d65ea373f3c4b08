# Windows configurations (MinGW-w64, -posix threads): the program, its Win32
# layer, the Win32 tests that run under Wine, and the helper programs of the
# end-to-end scenarios.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# Failed system calls leave a trace in the builds made for debugging only
# (src/platform/win32/diagnostics.h).
add_compile_definitions($<$<CONFIG:Debug,RelWithDebInfo>:MORVANE_TRACE_FAILURES>)
set(STATIC_LINK -static -static-libgcc -static-libstdc++)
# comdlg32 and shell32 are loaded when first needed (LazyLibrary), not imported.
set(WIN32_LIBS user32 gdi32 advapi32)

# Release is small: optimised for size, every function and datum in a section
# of its own so that the linker drops what nothing calls, no exception tables
# in the program's code (it throws and catches nothing), symbols stripped.
# RelWithDebInfo (preset win64-debuginfo) keeps the debug information.
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
set(PROGRAM_CODE_OPTIONS -ffunction-sections -fdata-sections -fno-exceptions -fno-threadsafe-statics)
add_link_options(-Wl,--gc-sections $<$<CONFIG:Release>:-s>)
target_compile_options(morvane_core PRIVATE ${PROGRAM_CODE_OPTIONS})

add_library(morvane_win32 STATIC ${WIN32_SOURCES})
target_include_directories(morvane_win32 PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(morvane_win32 PRIVATE ${OUR_WARNINGS} ${PROGRAM_CODE_OPTIONS})
target_link_libraries(morvane_win32 PUBLIC morvane_core ${WIN32_LIBS})

file(GLOB_RECURSE ENTRY_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/startup/win32/*.cpp)
add_executable(Morvane3 WIN32 ${ENTRY_SOURCES} ${CMAKE_SOURCE_DIR}/src/resources/Morvane3.rc)
target_compile_options(Morvane3 PRIVATE ${OUR_WARNINGS} ${PROGRAM_CODE_OPTIONS})
target_link_options(Morvane3 PRIVATE ${STATIC_LINK} -municode)
target_link_libraries(Morvane3 PRIVATE morvane_win32)
set_target_properties(Morvane3 PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# The program links no exception runtime (src/startup/win32/no_exceptions.cpp);
# a new throwing call fails the link, and this says why.
set_target_properties(Morvane3 PROPERTIES RULE_LAUNCH_LINK "sh ${CMAKE_SOURCE_DIR}/cmake/link_without_exceptions.sh")

# The release package (cmake --build --preset win64 --target package):
# Morvane3-<version>-win64.zip (win32.zip) holding the program and a short
# read-me, nothing else.
install(TARGETS Morvane3 RUNTIME DESTINATION .)
configure_file(${CMAKE_SOURCE_DIR}/packaging/ReadMe.txt ${CMAKE_BINARY_DIR}/ReadMe.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/ReadMe.txt DESTINATION .)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
include(CPack)

# GoogleTest from Debian's sources, built with the cross compiler.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
if(WIN_TEST_SOURCES)
  add_executable(morvane_win_tests ${WIN_TEST_SOURCES})
  target_include_directories(morvane_win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(morvane_win_tests PRIVATE ${OUR_WARNINGS})
  target_link_options(morvane_win_tests PRIVATE ${STATIC_LINK})
  target_link_libraries(morvane_win_tests PRIVATE morvane_win32 gtest gtest_main)
endif()

# Small Windows programs used by the end-to-end scenarios and benchmarks.
file(GLOB TOOL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/tools/*.cpp ${CMAKE_SOURCE_DIR}/benchmarks/win/*.cpp)
foreach(tool ${TOOL_SOURCES})
  get_filename_component(name ${tool} NAME_WE)
  add_executable(${name} ${tool})
  target_compile_options(${name} PRIVATE ${OUR_WARNINGS})
  target_link_options(${name} PRIVATE ${STATIC_LINK})
  target_link_libraries(${name} PRIVATE morvane_win32)
endforeach()
