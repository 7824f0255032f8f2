# Installs the kit's two components (and nothing of the program) into a staging prefix,
# builds the example against it through find_package(FenControls) alone, and runs it without
# a display, typing into both of its fields. Also checks that pkg-config finds the kit there.
#   -DBINARY_DIR=<build tree> -DEXAMPLE_DIR=<examples/order-form> -DWORK_DIR=<scratch>
#   -DCXX_COMPILER=<compiler> [-DEXAMPLE_FLAGS=<compile and link flags>]
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}\n${err}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

set(stage ${WORK_DIR}/stage)
file(REMOVE_RECURSE ${WORK_DIR})
foreach(component fencontrols fencontrols-dev)
    run(${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${stage} --component ${component})
endforeach()
if(EXISTS ${stage}/bin/tarnwick)
    message(FATAL_ERROR "the kit's components hold the program")
endif()

run(${CMAKE_COMMAND} -S ${EXAMPLE_DIR} -B ${WORK_DIR}/example -G Ninja
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DCMAKE_PREFIX_PATH=${stage}
    "-DCMAKE_CXX_FLAGS=${EXAMPLE_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${EXAMPLE_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/example)

run(${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH TARNWICK_REGISTRY_DIR=${WORK_DIR}/user-hive
    QT_QPA_PLATFORM=offscreen ${WORK_DIR}/example/order-form --type 5551234567 42)
string(STRIP "${output}" output)
if(NOT output STREQUAL "Phone: (555)123-4567  Quantity: 42")
    message(FATAL_ERROR "unexpected output of the example: \"${output}\"")
endif()

# The staged fenhost finds both controls in the installed default hive, with no registration.
file(WRITE ${WORK_DIR}/fenhost.script "create Holm.Mask6 m\nset m.Format \"(999)999-9999\"\n"
     "keys m 5551234567\nget m.Text\ncreate Holm.NumLite6 n\nget n.MaxValue\n")
run(${CMAKE_COMMAND} -E env TARNWICK_REGISTRY_DIR=${WORK_DIR}/fenhost-hive
    QT_QPA_PLATFORM=offscreen ${stage}/bin/fenhost --script ${WORK_DIR}/fenhost.script)
if(NOT output MATCHES "\n\"\\(555\\)123-4567\"\n" OR NOT output MATCHES "\n999999999999999\n"
   OR output MATCHES "error")
    message(FATAL_ERROR "the staged fenhost did not create both controls:\n${output}")
endif()

find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
    file(GLOB_RECURSE pc_files ${stage}/*/fencontrols.pc)
    get_filename_component(pc_dir "${pc_files}" DIRECTORY)
    run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_dir} ${PKG_CONFIG} --libs --cflags fencontrols)
    if(NOT output MATCHES "-L${stage}/[^ ]*lib[^ ]* -lfencontrols")
        message(FATAL_ERROR "pkg-config does not point into the stage: ${output}")
    endif()
endif()
message(STATUS "example built against the staged kit: ${output}")
