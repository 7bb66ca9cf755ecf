target_sources(zelvan_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ProcessSketches.cpp ${CMAKE_CURRENT_LIST_DIR}/ProcessSketches.h
)
