# Configures the project in MAP with BUILD_TESTING off while GoogleTest and Google Benchmark
# cannot be found, then checks the targets: both programs, no test or benchmark program.
execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${BRON} -B ${MAP} -DBUILD_TESTING=OFF
        -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "configuring without the test tools failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${MAP} --target help
    OUTPUT_VARIABLE doelen RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "no target list")
endif()
foreach(doel plastokinetica kx-analyse kx-analyse-pdf)
    if(NOT doelen MATCHES "\\.\\.\\. ${doel}\n")
        message(FATAL_ERROR "target ${doel} is missing without tests")
    endif()
endforeach()
foreach(doel kx-core-tests kx-gui-tests kx-bench)
    if(doelen MATCHES "\\.\\.\\. ${doel}\n")
        message(FATAL_ERROR "target ${doel} is built without tests")
    endif()
endforeach()
