# The view's reports, exports and printing, listed apart from the rest of the view (included
# by view/CMakeLists.txt): the report rows, the shear/normal function file and the page layout
# of printing (portable), and on Windows the clipboard, image files, spreadsheet and printing.
set(QX_VIEW_OUTPUTS_LOGIC_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AnalysisReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrintLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShearNormalFunctionFile.cpp)
set(QX_VIEW_OUTPUTS_LOGIC_LIBS qx_spreadsheet_logic)
set(QX_VIEW_OUTPUTS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ChartImageExporter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DibImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JpegWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KelStrengthViewOutputs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KelStrengthViewPrinting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportClipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WSPreviewView.cpp)
set(QX_VIEW_OUTPUTS_LIBS qx_spreadsheet qx_libjpeg)
