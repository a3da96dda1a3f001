# Checks that the program alone (run.sh: CHASSISLAB_BUILD_TESTS=OFF) configures on a machine
# without GoogleTest and Google Benchmark: a scratch configure in which CMake may not find them
# must succeed and offer the program but no test or benchmark.
#   cmake -DSOURCE=<source dir> -DSCRATCH=<empty folder> -DNINJA=<ninja> -DCXX=<compiler>
#         -P CheckProgramWithoutTestLibraries.cmake
cmake_policy(SET CMP0057 NEW)  # if(IN_LIST)
file(REMOVE_RECURSE ${SCRATCH})
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${SCRATCH} -G Ninja -DCMAKE_MAKE_PROGRAM=${NINJA}
          -DCMAKE_CXX_COMPILER=${CXX} -DCHASSISLAB_BUILD_TESTS=OFF
          -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
  OUTPUT_VARIABLE out ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the program alone does not configure without the test libraries:\n${errors}")
endif()
execute_process(COMMAND ${NINJA} -C ${SCRATCH} -t targets all
                OUTPUT_VARIABLE targets RESULT_VARIABLE status)
file(REMOVE_RECURSE ${SCRATCH})
if(NOT status EQUAL 0 OR NOT targets MATCHES "(^|\n)chassislab:")
  message(FATAL_ERROR "the program alone offers no chassislab target")
endif()
if(targets MATCHES "(^|\n)(tests_|bench_|chassislab_test_support)")
  message(FATAL_ERROR "the program alone still offers a test or benchmark target")
endif()
