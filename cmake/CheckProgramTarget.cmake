# Checks what building the program alone (run.sh builds only the chassislab target) brings
# along: the program folder (data/, the sounds among it) and the rendered manual must come with
# it, and no test or benchmark, which only the full build (test.sh) makes.
#   cmake -DNINJA=<ninja> -DSOURCE=<source dir> -DBUILD=<build dir> -P CheckProgramTarget.cmake
cmake_policy(SET CMP0057 NEW)  # if(IN_LIST)
execute_process(COMMAND ${NINJA} -C ${BUILD} -t inputs chassislab
                OUTPUT_VARIABLE inputs ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ninja cannot list the inputs of chassislab: ${errors}")
endif()
string(REPLACE "\n" ";" lines "${inputs}")
# ninja quotes a path as a shell would when it holds a character other than a letter, a digit
# or one of "_+-./" (a blank, an "é"): '/home/josé/chassislab/src/qt/main.cpp', a "'" in it
# written '\''.
set(inputs "")
foreach(line IN LISTS lines)
  if(line MATCHES "^'(.*)'$")
    string(REPLACE "'\\''" "'" line "${CMAKE_MATCH_1}")
  endif()
  list(APPEND inputs "${line}")
endforeach()
foreach(needed program_folder manual)
  if(NOT needed IN_LIST inputs)
    message(FATAL_ERROR "building chassislab does not build ${needed}")
  endif()
endforeach()

# What of an input's path tells what it is: the part below the source or the build folder (the
# deeper of the two when one holds the other), or, for an input outside both (a system
# library), its file name. The folders above the clone may be named anything ("benchmarks",
# "gtest-1.12", "my_tests_2024").
function(telling_part path out)
  set(part "${path}")
  set(longest 0)
  foreach(folder IN ITEMS "${SOURCE}" "${BUILD}")
    string(LENGTH "${folder}/" length)
    string(LENGTH "${path}" path_length)
    if(length GREATER longest AND path_length GREATER length)
      string(SUBSTRING "${path}" 0 ${length} head)
      if(head STREQUAL "${folder}/")
        string(SUBSTRING "${path}" ${length} -1 part)
        set(longest ${length})
      endif()
    endif()
  endforeach()
  if(longest EQUAL 0 AND IS_ABSOLUTE "${path}")
    get_filename_component(part "${path}" NAME)
  endif()
  set(${out} "${part}" PARENT_SCOPE)
endfunction()

# A test or benchmark target, library or source (the sources in tests/ and bench/).
foreach(input IN LISTS inputs)
  telling_part("${input}" part)
  if(part MATCHES "tests_|test_support|bench_|gtest|gmock|benchmark|(^|/)(tests|bench)/")
    message(FATAL_ERROR "building chassislab builds ${input}, which only the tests need")
  endif()
endforeach()
