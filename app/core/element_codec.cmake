# The page element tables and the codec of their packed fields.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/model/element_tables.h
  ${CMAKE_CURRENT_LIST_DIR}/element_codec.h ${CMAKE_CURRENT_LIST_DIR}/element_codec.cpp
)
