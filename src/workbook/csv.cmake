# The delimited-text reader and its decoders.
target_sources(e2v_workbook PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TextDecoding.cpp)
