target_sources(zelvan_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LayoutDialog.cpp ${CMAKE_CURRENT_LIST_DIR}/LayoutDialog.h
)
