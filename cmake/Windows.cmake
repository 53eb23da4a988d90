# Cross build of the Windows program with MinGW-w64; it is laid out in dist/
# the way a user installs it. Static runtime so dist/ needs no MinGW DLLs.
set(QORN_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0A00)

# Windows-only code: src/platform/win32, src/<subsystem>/win32, and the
# Windows-only subsystems.
set(QORN_WIN_DIRS platform/win32 model/win32 macro/win32 device/win32 actions/win32 lang/win32
    framework skin pages)
qorn_glob(QORN_WIN_SOURCES src ${QORN_WIN_DIRS})
add_library(qorn_win STATIC ${QORN_WIN_SOURCES})
target_link_libraries(qorn_win PUBLIC qorn_core gdiplus comctl32 comdlg32 ws2_32 shlwapi ole32 oleacc oleaut32 uuid winmm hid wtsapi32)
qorn_own_code(qorn_win)

# Templates of the skin toolkit itself (the drop-down list); every program
# that uses the toolkit links them, as resources cannot live in a library.
file(GLOB QORN_SKIN_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/skin/*.rc)
# The application manifest, linked into every program, the tests included,
# so that they run as the program does (DPI awareness, common controls 6).
set(QORN_MANIFEST_RESOURCE ${CMAKE_SOURCE_DIR}/src/framework/Manifest.rc)
set_source_files_properties(${QORN_MANIFEST_RESOURCE} PROPERTIES
    OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/src/framework/Qorn.manifest)

qorn_glob(QORN_APP_SOURCES src app)
# Windows Sockets must come before <windows.h>, which a batch has read first.
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/app/MainApp.cpp PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
file(GLOB QORN_APP_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/*.rc)
# The pages' templates; the tests that create pages link them too.
file(GLOB QORN_PAGE_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/pages/*.rc)
add_executable(Qorn WIN32 ${QORN_APP_SOURCES} ${QORN_APP_RESOURCES} ${QORN_PAGE_RESOURCES} ${QORN_SKIN_RESOURCES}
    ${QORN_MANIFEST_RESOURCE})
target_link_libraries(Qorn PRIVATE qorn_win)
target_link_options(Qorn PRIVATE -municode)
qorn_own_code(Qorn)
set_target_properties(Qorn PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QORN_DIST_DIR})
qorn_language_files()

# Skin images and the program icon, drawn at build time by our generator
# (Python 3 with cairo from Debian). The icon goes into the resources; the
# images into dist/res beside the program.
find_program(QORN_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
file(GLOB QORN_SKINGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/skingen/*.py)
set(QORN_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(QORN_ICON ${QORN_GENERATED_DIR}/Qorn.ico)
add_custom_command(
    OUTPUT ${QORN_ICON} ${QORN_GENERATED_DIR}/skin.stamp
    COMMAND ${QORN_SYSTEM_PYTHON} ${CMAKE_SOURCE_DIR}/tools/skingen/skingen.py ${QORN_DIST_DIR}/res ${QORN_ICON}
    COMMAND ${CMAKE_COMMAND} -E touch ${QORN_GENERATED_DIR}/skin.stamp
    DEPENDS ${QORN_SKINGEN_SOURCES}
    COMMENT "Drawing the skin images"
    VERBATIM)
add_custom_target(skin_images ALL DEPENDS ${QORN_ICON} ${QORN_GENERATED_DIR}/skin.stamp)
add_dependencies(Qorn skin_images)
target_include_directories(Qorn PRIVATE ${QORN_GENERATED_DIR})
set_source_files_properties(${QORN_APP_RESOURCES} PROPERTIES OBJECT_DEPENDS ${QORN_ICON})

qorn_add_tools()

if(QORN_TESTS)
    # GoogleTest from Debian's sources, built with the cross compiler.
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    qorn_glob(QORN_WIN_TESTS tests win win/support)
    # Test dialogs live in a resource script of the tests.
    file(GLOB QORN_WIN_TEST_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.rc)
    add_executable(win_tests ${QORN_WIN_TESTS} ${QORN_WIN_TEST_RESOURCES} ${QORN_PAGE_RESOURCES} ${QORN_SKIN_RESOURCES}
        ${QORN_MANIFEST_RESOURCE})
    add_dependencies(win_tests skin_images)
    target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(win_tests PRIVATE qorn_win gtest gmock gtest_main)
    qorn_own_code(win_tests)

    # Tests that need the simulated keyboard's driver (tools/kbdriver) in the
    # Wine prefix and, for the end-to-end runs, the program in dist/.
    qorn_glob(QORN_E2E_TESTS tests e2e e2e/support win/support)
    add_executable(e2e_tests ${QORN_E2E_TESTS} ${QORN_MANIFEST_RESOURCE})
    target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(e2e_tests PRIVATE kbsim_client qorn_win gtest gmock gtest_main)
    target_compile_definitions(e2e_tests PRIVATE QORN_KBSIM_EXE="$<TARGET_FILE:kbsim>")
    add_dependencies(e2e_tests kbsim)
    qorn_own_code(e2e_tests)

    # The setup, installed, upgraded and uninstalled in a prefix of its own.
    add_executable(setup_tests ${CMAKE_SOURCE_DIR}/tests/setup/SetupTest.cpp ${QORN_MANIFEST_RESOURCE}
        ${CMAKE_SOURCE_DIR}/tests/win/support/AppProcess.cpp ${CMAKE_SOURCE_DIR}/tests/win/support/Capture.cpp)
    target_include_directories(setup_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(setup_tests PRIVATE qorn_win gtest gtest_main)
    qorn_own_code(setup_tests)

    # The test programs only drive and watch the program: optimizing them
    # costs build time and buys nothing.
    foreach(tests win_tests e2e_tests setup_tests)
        target_compile_options(${tests} PRIVATE -O1)
    endforeach()

    # What a gamer feels, on the real program under Wine (./benchmark); built
    # by ./benchmark only.
    add_executable(wine_bench EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/win/WineBench.cpp ${QORN_MANIFEST_RESOURCE}
        ${CMAKE_SOURCE_DIR}/bench/win/ProcessMemory.cpp
        ${CMAKE_SOURCE_DIR}/tests/win/support/AppProcess.cpp ${CMAKE_SOURCE_DIR}/tests/win/support/Capture.cpp
        ${CMAKE_SOURCE_DIR}/tests/win/support/KeyboardHookRecorder.cpp
        ${CMAKE_SOURCE_DIR}/tests/e2e/support/KeyboardWatch.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/support/ProgramRun.cpp)
    target_include_directories(wine_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(wine_bench PRIVATE kbsim_client qorn_win)
    target_link_options(wine_bench PRIVATE -municode)
    qorn_own_code(wine_bench)
    add_executable(tray_yardstick WIN32 EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/win/TrayYardstick.cpp)
    target_link_libraries(tray_yardstick PRIVATE gdiplus shell32)
    target_link_options(tray_yardstick PRIVATE -municode)
    qorn_own_code(tray_yardstick)
    add_dependencies(wine_bench tray_yardstick)
endif()
