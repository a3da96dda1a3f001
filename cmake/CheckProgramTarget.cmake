# Checks what building the program alone (run.sh builds only the chassislab target) brings
# along: the program folder (data/, the sounds among it) and the rendered manual must come with
# it, and no test or benchmark, which only the full build (test.sh) makes.
#   cmake -DNINJA=<ninja> -DBUILD=<build dir> -P CheckProgramTarget.cmake
cmake_policy(SET CMP0057 NEW)  # if(IN_LIST)
execute_process(COMMAND ${NINJA} -C ${BUILD} -t inputs chassislab
                OUTPUT_VARIABLE inputs ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ninja cannot list the inputs of chassislab: ${errors}")
endif()
string(REPLACE "\n" ";" inputs "${inputs}")
foreach(needed program_folder manual)
  if(NOT needed IN_LIST inputs)
    message(FATAL_ERROR "building chassislab does not build ${needed}")
  endif()
endforeach()
foreach(input IN LISTS inputs)
  if(input MATCHES "tests_|test_support|bench_|gtest|gmock|benchmark")
    message(FATAL_ERROR "building chassislab builds ${input}, which only the tests need")
  endif()
endforeach()
