# Registers the control libraries through their DllRegisterServer (regtool register) in a
# scratch hive, from copies in LIBRARY_DIR, and writes the result as the build tree's default
# HKEY_CLASSES_ROOT hive and, with LIBRARY_DIR as a placeholder, as the template of the
# installed one.
file(REMOVE_RECURSE ${LIBRARY_DIR} ${BINARY_DIR}/register-scratch)
file(MAKE_DIRECTORY ${LIBRARY_DIR} ${BINARY_DIR}/register-scratch ${BINARY_DIR}/registry)
file(COPY ${LIBRARIES} DESTINATION ${LIBRARY_DIR})
foreach(library IN LISTS REGISTER)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env TARNWICK_REGISTRY_DIR=${BINARY_DIR}/register-scratch
                QT_QPA_PLATFORM=offscreen ${REGTOOL} register ${LIBRARY_DIR}/${library}
        RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "regtool register ${library} failed: ${output}")
    endif()
endforeach()
file(GLOB hives RELATIVE ${BINARY_DIR}/register-scratch ${BINARY_DIR}/register-scratch/*.reg)
if(NOT hives STREQUAL "HKEY_CLASSES_ROOT.reg")
    message(FATAL_ERROR "Registration wrote more than HKEY_CLASSES_ROOT: ${hives}")
endif()
file(READ ${BINARY_DIR}/register-scratch/HKEY_CLASSES_ROOT.reg hive)
file(WRITE ${BINARY_DIR}/registry/HKEY_CLASSES_ROOT.reg "${hive}")
string(REPLACE "${LIBRARY_DIR}" "@FENCONTROLS_LIBRARY_DIR@" template "${hive}")
file(WRITE ${BINARY_DIR}/HKEY_CLASSES_ROOT.reg.in "${template}")
file(REMOVE_RECURSE ${BINARY_DIR}/register-scratch)
