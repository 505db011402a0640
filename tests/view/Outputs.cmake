# Tests of the view's reports, exports and printing under Wine (included by
# tests/view/CMakeLists.txt; the window-free ones are test_*_logic.cpp beside them).
if(NOT TARGET qx_view)
  return()
endif()
quarvex_test(qx_view_exports_tests WINE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_dib_image.cpp ${CMAKE_CURRENT_LIST_DIR}/jpeg_decode.cpp
  LIBS qx_view qx_libjpeg)
quarvex_test(qx_view_exports_window_tests WINDOW
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_image_export.cpp ${CMAKE_CURRENT_LIST_DIR}/jpeg_decode.cpp
  LIBS qx_view qx_libjpeg qx_test_support)
set_tests_properties(win.qx_view_exports_window_tests PROPERTIES FIXTURES_SETUP view_image_files)
# The image files the window test wrote, opened by ImageMagick (JPEG, BMP, WMF) and
# LibreOffice (EMF).
quarvex_script_test(win.qx_view_image_files_check
  /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/check_image_files.py exports)
set_tests_properties(win.qx_view_image_files_check PROPERTIES
  FIXTURES_REQUIRED view_image_files LABELS wine TIMEOUT 300)

# The reports, exports and printing in the whole program, on the tests' PDF printer; then the
# workbook and the printed page read back by programs nobody here wrote.
quarvex_program_test(qx_view_outputs_program_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_outputs_program.cpp ${CMAKE_CURRENT_LIST_DIR}/jpeg_decode.cpp
  LIBS qx_test_support qx_libjpeg)
quarvex_use_test_printer(win.qx_view_outputs_program_tests)
set_tests_properties(win.qx_view_outputs_program_tests PROPERTIES FIXTURES_SETUP program_outputs)
quarvex_script_test(win.qx_view_program_outputs_check
  /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/check_program_outputs.py
  "program_workbook/Quarvex Report 2024-06-01 09-30-00.xlsx"
  "program_workbook_incomplete/Quarvex Report 2024-06-01 09-30-00.xlsx"
  printed-program-title.txt)
set_tests_properties(win.qx_view_program_outputs_check PROPERTIES
  FIXTURES_REQUIRED program_outputs LABELS wine TIMEOUT 300)
