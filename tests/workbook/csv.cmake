e2v_add_test(test_csv SOURCES test_csv.cpp LIBS e2v_workbook)
