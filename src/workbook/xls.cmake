# The .xls reader: compound file through libgsf, records by our own parser.
target_sources(e2v_workbook PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BiffRecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BiffRecords.h)
