# Project-wide compile settings: strict warnings, optional sanitizers and fuzzing.
add_library(tarnwick_options INTERFACE)
target_compile_options(tarnwick_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough)
if(TARNWICK_WERROR)
    target_compile_options(tarnwick_options INTERFACE -Werror)
endif()
target_compile_definitions(tarnwick_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

if(TARNWICK_SANITIZE)
    set(_san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_compile_options(${_san})
    add_link_options(${_san})
endif()

# tarnwick_add_fuzzer(<name> SOURCES <files...> LIBS <targets...>)
# Fuzz targets are only built when TARNWICK_FUZZ is on (clang). Each also gets a
# short ctest run over its seed corpus so the sanitizer build exercises it.
function(tarnwick_add_fuzzer name)
    if(NOT TARNWICK_FUZZ)
        return()
    endif()
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS} tarnwick_options)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    # New inputs go to a scratch corpus in the build tree; the seeds stay read-only.
    set(seeds ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${name})
    set(scratch ${CMAKE_CURRENT_BINARY_DIR}/corpus/${name})
    file(MAKE_DIRECTORY ${scratch})
    add_test(NAME ${name}.smoke
             COMMAND ${name} -runs=20000 -max_total_time=20 ${scratch} ${seeds})
endfunction()
