# Zip packages: Office Open XML workbooks and OpenDocument spreadsheets.
target_sources(e2v_workbook PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/OdsReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/XlsxReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/XmlStream.cpp
    ${CMAKE_CURRENT_LIST_DIR}/XmlValues.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ZipPackage.cpp
)
