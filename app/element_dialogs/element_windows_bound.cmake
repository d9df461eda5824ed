# The dialogs of the signal, text signal, numeric parameter, level bar,
# transition and mechanism, and their openers, which unpack the records'
# packed fields.
target_sources(pelmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/box_text.h
  ${CMAKE_CURRENT_LIST_DIR}/bound_openers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/signal_scada.h ${CMAKE_CURRENT_LIST_DIR}/signal_scada.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_signal_scada.h ${CMAKE_CURRENT_LIST_DIR}/text_signal_scada.cpp
  ${CMAKE_CURRENT_LIST_DIR}/parametr_text_scada.h ${CMAKE_CURRENT_LIST_DIR}/parametr_text_scada.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_scada.h ${CMAKE_CURRENT_LIST_DIR}/level_scada.cpp
  ${CMAKE_CURRENT_LIST_DIR}/go_block_scada.h ${CMAKE_CURRENT_LIST_DIR}/go_block_scada.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vent.h ${CMAKE_CURRENT_LIST_DIR}/vent.cpp
)
