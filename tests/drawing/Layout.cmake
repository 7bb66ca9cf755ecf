zelvan_add_test(layout_tests
  SOURCES LayoutGeometryTest.cpp LayoutGeneratorTest.cpp LayoutInputsTest.cpp DxfWriterTest.cpp
          LayoutSamples.h RecordingDxfOutput.h
  LIBS zelvan_core)
add_dependencies(layout_tests CadIO)

# Drawings written by zelvan-cli, read back with ezdxf.
zelvan_add_python_test(layout_ezdxf_tests ${CMAKE_CURRENT_SOURCE_DIR}/layout_ezdxf_test.py)
