# Cross build of the Windows program with MinGW-w64; it is laid out in dist/
# the way a user installs it. Static runtime so dist/ needs no MinGW DLLs.
set(QORN_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0A00)

# Windows-only code: src/platform/win32, src/<subsystem>/win32, and the
# Windows-only subsystems.
set(QORN_WIN_DIRS platform/win32 model/win32 macro/win32 device/win32 actions/win32 lang/win32
    framework skin pages)
qorn_glob_sources(QORN_WIN_SOURCES ${QORN_WIN_DIRS})
add_library(qorn_win STATIC ${QORN_WIN_SOURCES})
target_link_libraries(qorn_win PUBLIC qorn_core gdiplus comctl32 ws2_32 shlwapi ole32 uuid winmm)
qorn_own_code(qorn_win)

qorn_glob_sources(QORN_APP_SOURCES app)
file(GLOB QORN_APP_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/*.rc)
add_executable(Qorn WIN32 ${QORN_APP_SOURCES} ${QORN_APP_RESOURCES})
target_link_libraries(Qorn PRIVATE qorn_win)
target_link_options(Qorn PRIVATE -municode)
qorn_own_code(Qorn)
set_target_properties(Qorn PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QORN_DIST_DIR})
qorn_language_files()

file(GLOB QORN_TOOL_DIRS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tools/*)
foreach(dir IN LISTS QORN_TOOL_DIRS)
    if(EXISTS ${dir}/CMakeLists.txt)
        add_subdirectory(${dir})
    endif()
endforeach()

if(QORN_TESTS)
    # GoogleTest from Debian's sources, built with the cross compiler.
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    qorn_glob_tests(QORN_WIN_TESTS win win/support)
    add_executable(win_tests ${QORN_WIN_TESTS})
    target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(win_tests PRIVATE qorn_win gtest gmock gtest_main)
    qorn_own_code(win_tests)

    # Tests that need the simulated keyboard's driver (tools/kbdriver) in the
    # Wine prefix and, for the end-to-end runs, the program in dist/.
    qorn_glob_tests(QORN_E2E_TESTS e2e e2e/support win/support)
    add_executable(e2e_tests ${QORN_E2E_TESTS})
    target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(e2e_tests PRIVATE kbsim_client qorn_win gtest gmock gtest_main)
    qorn_own_code(e2e_tests)
endif()
