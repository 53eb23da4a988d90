# Helpers shared by both targets.

# Warnings are errors in our own code; third-party code keeps its own flags.
# GCC 12 reports false -Wrestrict hits inside std::basic_string at -O2
# (GCC bug 105329), so that one check stays off for GCC.
function(qorn_own_code target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # -Wsubobject-linkage: in a batch, only the first file counts as the
        # main file, so a test fixture in another file's anonymous namespace
        # would be reported as if it came from a header.
        target_compile_options(${target} PRIVATE -Wno-restrict $<$<COMPILE_LANGUAGE:CXX>:-Wno-subobject-linkage>)
    endif()
endfunction()

# Collects the .cpp files directly inside <top>/<dir> (top: src or tests)
# for each dir given. CONFIGURE_DEPENDS makes a new file show up without
# touching CMake files.
function(qorn_glob out top)
    set(files)
    foreach(dir IN LISTS ARGN)
        file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${top}/${dir}/*.cpp)
        list(APPEND files ${found})
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()

# Every folder under tools/ with a CMakeLists.txt (a macro, so the tools
# are added in the caller's scope).
macro(qorn_add_tools)
    file(GLOB QORN_TOOL_DIRS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tools/*)
    foreach(dir IN LISTS QORN_TOOL_DIRS)
        if(EXISTS ${dir}/CMakeLists.txt)
            add_subdirectory(${dir})
        endif()
    endforeach()
endmacro()

if(QORN_SANITIZE STREQUAL "address")
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
elseif(QORN_SANITIZE STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

# The fuzzing tree (clang): coverage hooks and sanitizers in every target;
# only the harnesses link libFuzzer's main.
if(QORN_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# Header-only libraries from Debian: Boost (core) and nlohmann/json (tools).
# The cross build sees only the MinGW sysroot, so it gets a folder holding
# nothing but links to those header trees (they are platform-neutral), never
# the rest of /usr/include.
function(qorn_header_library target tree)
    add_library(${target} INTERFACE)
    if(WIN32)
        set(dir ${CMAKE_BINARY_DIR}/header-links/${target})
        file(MAKE_DIRECTORY ${dir})
        file(CREATE_LINK /usr/include/${tree} ${dir}/${tree} SYMBOLIC)
        target_include_directories(${target} SYSTEM INTERFACE ${dir})
    endif()
endfunction()

# The language files: UTF-8 sources in data/lan (easy to edit and review),
# written to dist/lan as UTF-16LE with byte order mark, the form the Windows
# profile functions read on every system. Both builds make them, so the
# native qornctl can check dist/lan too.
function(qorn_language_files)
    find_program(QORN_PYTHON3 python3 REQUIRED)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/lan/*.ini)
    set(outputs)
    foreach(src IN LISTS sources)
        get_filename_component(name ${src} NAME)
        set(out ${CMAKE_SOURCE_DIR}/dist/lan/${name})
        add_custom_command(OUTPUT ${out}
            COMMAND ${QORN_PYTHON3} ${CMAKE_SOURCE_DIR}/scripts/utf16-ini.py ${src} ${out}
            DEPENDS ${src} ${CMAKE_SOURCE_DIR}/scripts/utf16-ini.py VERBATIM)
        list(APPEND outputs ${out})
    endforeach()
    add_custom_target(language_files ALL DEPENDS ${outputs})
endfunction()
