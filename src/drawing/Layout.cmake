# The layout drawing: DxfWriter over the CadIO library, the geometry of the
# shell development and the generator. CadIO is loaded at run time, so it is
# built before anything that links the core and may run a generation.
target_sources(zelvan_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DxfOutput.h
  ${CMAKE_CURRENT_LIST_DIR}/DxfWriter.cpp ${CMAKE_CURRENT_LIST_DIR}/DxfWriter.h
  ${CMAKE_CURRENT_LIST_DIR}/LayoutGenerator.cpp ${CMAKE_CURRENT_LIST_DIR}/LayoutGenerator.h
  ${CMAKE_CURRENT_LIST_DIR}/LayoutGeometry.cpp ${CMAKE_CURRENT_LIST_DIR}/LayoutGeometry.h
  ${CMAKE_CURRENT_LIST_DIR}/LayoutInputs.cpp ${CMAKE_CURRENT_LIST_DIR}/LayoutInputs.h
  ${CMAKE_CURRENT_LIST_DIR}/LayoutMessages.h
)
add_dependencies(zelvan_core CadIO)
