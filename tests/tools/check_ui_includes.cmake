cmake_minimum_required(VERSION 3.25)
# Windows live in ui/ folders: no file outside one may include a ui/ header, except the
# program's wiring (app/main.cpp) and each control library's entry file, which registers the
# control's property pages.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/app/*.h ${SOURCE_DIR}/app/*.cpp
     ${SOURCE_DIR}/controls/*.h ${SOURCE_DIR}/controls/*.cpp)
set(wiring app/main.cpp controls/mask/mask_library.cpp controls/numlite/numlite_library.cpp)
set(offenders "")
foreach(source IN LISTS sources)
    if(source MATCHES "/ui/" OR source IN_LIST wiring)
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*/)?ui/")
    foreach(line IN LISTS lines)
        list(APPEND offenders "${source}: ${line}")
    endforeach()
endforeach()
if(offenders)
    list(JOIN offenders "\n" text)
    message(FATAL_ERROR "files outside ui/ include window headers:\n${text}")
endif()
