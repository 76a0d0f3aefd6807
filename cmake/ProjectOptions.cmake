# Compiler settings shared by every target of the project.
add_library(varnholt_options INTERFACE)
target_include_directories(varnholt_options INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(varnholt_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
if(VARNHOLT_WERROR)
    target_compile_options(varnholt_options INTERFACE -Werror)
endif()

if(VARNHOLT_SANITIZE)
    set(VARNHOLT_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_compile_options(varnholt_options INTERFACE ${VARNHOLT_SANITIZER_FLAGS})
    target_link_options(varnholt_options INTERFACE ${VARNHOLT_SANITIZER_FLAGS})
endif()

# One static library per source folder.
function(varnholt_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_link_libraries(${name} PUBLIC varnholt_options ${ARG_DEPENDS})
endfunction()
