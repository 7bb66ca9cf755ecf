zelvan_add_test(process_sketches_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProcessSketchesTest.cpp LIBS zelvan_core)
