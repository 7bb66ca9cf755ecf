zelvan_add_test(layout_dialog_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/LayoutDialogTest.cpp ${CMAKE_SOURCE_DIR}/tests/support/WidgetTestMain.cpp
  LIBS zelvan_widgets)
add_dependencies(layout_dialog_tests CadIO)
