e2v_add_test(test_xls SOURCES test_xls.cpp LIBS e2v_workbook)
e2v_add_test(test_xls_records SOURCES test_xls_records.cpp LIBS e2v_workbook)
