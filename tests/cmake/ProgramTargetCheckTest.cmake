# The check of what building chassislab brings along (cmake/CheckProgramTarget.cmake), run on
# input lists a stand-in for ninja prints: it passes the program's own inputs wherever the clone
# and the build folder lie, whatever the folders above them are named, and it still refuses each
# test or benchmark input.
#   cmake -DCHECK=<CheckProgramTarget.cmake> -DSCRATCH=<empty folder>
#         -P ProgramTargetCheckTest.cmake
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
set(failures "")

# Runs the check on `inputs` (one path a line), listed as ninja -t inputs lists them (a path
# holding a character other than a letter, a digit or one of "_+-./" in single quotes, a "'" in
# it as '\''), and records a failure unless it passes or refuses as `expected` says.
function(expect expected source build inputs what)
  string(REPLACE "\n" ";" lines "${inputs}")
  set(listing "")
  foreach(line IN LISTS lines)
    if(line MATCHES "[^A-Za-z0-9_+./-]")
      string(REPLACE "'" "'\\''" line "${line}")
      set(line "'${line}'")
    endif()
    string(APPEND listing "${line}\n")
  endforeach()
  set(ninja "${SCRATCH}/ninja")
  file(WRITE "${ninja}" "#!/bin/sh\ncat <<'END_OF_INPUTS'\n${listing}END_OF_INPUTS\n")
  file(CHMOD "${ninja}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  execute_process(COMMAND ${CMAKE_COMMAND} -DNINJA=${ninja} -DSOURCE=${source} -DBUILD=${build}
                          -P ${CHECK}
                  OUTPUT_VARIABLE out ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(expected STREQUAL "passes" AND NOT status EQUAL 0)
    set(failures "${failures}refused ${what}: ${errors}\n" PARENT_SCOPE)
  elseif(expected STREQUAL "refuses" AND status EQUAL 0)
    set(failures "${failures}passed ${what}\n" PARENT_SCOPE)
  endif()
endfunction()

# The program's own inputs: relative to the build folder, in the source and the build folder,
# and system libraries.
function(program_inputs source build out)
  set(${out} "program_folder
manual
libchassislab_qt.a
CMakeFiles/chassislab.dir/src/qt/main.cpp.o
${source}/src/qt/main.cpp
${source}/tools/RenderManual.cpp
${build}/chassislab_autogen/mocs_compilation.cpp
/usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2" PARENT_SCOPE)
endfunction()

set(deep "/home/josé/benchmarks/gtest-1.12/old tests_2024/chassislab")
# The build folder inside the clone, beside it, and beside it under a longer name; a "'" in the
# folders' path.
foreach(layout "${deep}|${deep}/build" "${deep}|/home/josé/gmock-builds/chassislab"
               "/srv/benchmarks/chassislab|/srv/benchmarks/chassislab_tests_build"
               "/home/o'brien/gtest-fork/chassislab|/home/o'brien/gtest-fork/chassislab/build")
  string(REPLACE "|" ";" folders "${layout}")
  list(GET folders 0 source)
  list(GET folders 1 build)
  program_inputs("${source}" "${build}" inputs)
  expect(passes "${source}" "${build}" "${inputs}" "the program's inputs in ${layout}")
endforeach()

program_inputs("${deep}" "${deep}/build" inputs)
foreach(test_input "libchassislab_test_support.a" "tests_qt"
                   "CMakeFiles/tests_ui.dir/tests/ui/ProgramStateTest.cpp.o"
                   "${deep}/build/bench_live_state" "${deep}/tests/support/SampleVehicles.cpp"
                   "CMakeFiles/chassislab.dir/bench/startup_list.cpp.o"
                   "/usr/lib/x86_64-linux-gnu/libgtest.a" "/usr/lib/x86_64-linux-gnu/libgmock.a"
                   "/usr/lib/x86_64-linux-gnu/libbenchmark.so.1.7.1")
  expect(refuses "${deep}" "${deep}/build" "${inputs}\n${test_input}" "${test_input}")
endforeach()
expect(refuses "${deep}" "${deep}/build" "program_folder\nlibchassislab_qt.a" "no manual")
# A test target's file in the build folder, known by its folder: the quoted path read back.
set(quoted "/home/o'brien/gtest-fork/chassislab")
program_inputs("${quoted}" "${quoted}/build" inputs)
expect(refuses "${quoted}" "${quoted}/build"
       "${inputs}\n${quoted}/build/tests_ui_autogen/mocs_compilation.cpp" "tests_ui_autogen")

file(REMOVE_RECURSE "${SCRATCH}")
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
