# Helpers shared by both targets.

# Warnings are errors in our own code; third-party code keeps its own flags.
# GCC 12 reports false -Wrestrict hits inside std::basic_string at -O2
# (GCC bug 105329), so that one check stays off for GCC.
function(qorn_own_code target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()

# Collects the .cpp files directly inside src/<dir> for each dir given.
# CONFIGURE_DEPENDS makes a new file show up without touching CMake files.
function(qorn_glob_sources out)
    set(files)
    foreach(dir IN LISTS ARGN)
        file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
        list(APPEND files ${found})
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()

# Same for tests/<dir>.
function(qorn_glob_tests out)
    set(files)
    foreach(dir IN LISTS ARGN)
        file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp)
        list(APPEND files ${found})
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()

if(QORN_SANITIZE STREQUAL "address")
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
elseif(QORN_SANITIZE STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

# Boost is used header-only. The cross build sees only the MinGW sysroot, so
# it gets a folder that holds nothing but a link to Debian's Boost headers
# (they are platform-neutral), never the rest of /usr/include.
function(qorn_boost_headers)
    add_library(qorn_boost INTERFACE)
    if(WIN32)
        set(dir ${CMAKE_BINARY_DIR}/boost-include)
        file(MAKE_DIRECTORY ${dir})
        file(CREATE_LINK /usr/include/boost ${dir}/boost SYMBOLIC)
        target_include_directories(qorn_boost SYSTEM INTERFACE ${dir})
    else()
        find_package(Boost 1.74 REQUIRED)
        target_link_libraries(qorn_boost INTERFACE Boost::headers)
    endif()
endfunction()
