# One helper registers every test: GoogleTest executables linked with the
# libraries they exercise, run on the offscreen platform so widget tests need
# no display.
find_package(GTest REQUIRED)
# The readers come from Debian's packages (python3-ezdxf, python3-docx), so
# the tests use Debian's interpreter even when another python3 is first on
# the PATH.
if(EXISTS /usr/bin/python3 AND NOT Python3_EXECUTABLE)
  set(Python3_EXECUTABLE /usr/bin/python3)
endif()
find_package(Python3 COMPONENTS Interpreter)

function(zelvan_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock zelvan_test_support)
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  add_test(NAME ${name} COMMAND ${name})
  # The user's data folder (recovery copies, sketches of a read-only
  # installation) is the build tree's, never the real home's.
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZELVAN_BIN_DIR=${ZELVAN_OUTPUT_DIR};ZELVAN_SOURCE_DIR=${CMAKE_SOURCE_DIR};XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/data"
    TIMEOUT 300)
endfunction()

# Tests written in Python read our outputs with readers we did not write
# (ezdxf for DXF, python-docx for Word files).
function(zelvan_add_python_test name script)
  if(Python3_Interpreter_FOUND)
    add_test(NAME ${name} COMMAND ${Python3_EXECUTABLE} ${script} ${ARGN})
    # A skipped case tested nothing: unittest's "(skipped=N)" fails the entry.
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZELVAN_BIN_DIR=${ZELVAN_OUTPUT_DIR};ZELVAN_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
      FAIL_REGULAR_EXPRESSION "skipped=[0-9]+"
      TIMEOUT 300)

  endif()
endfunction()
