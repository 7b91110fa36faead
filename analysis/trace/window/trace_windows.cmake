# The single-draw trace window, its sheets and follow-up windows, and the spreadsheet guide.
vantor_library(vantor_trace_window SOURCES
  add_sheet.cpp add_sheet.h choice_window.cpp choice_window.h combination_sheet.cpp combination_sheet.h
  cycle_sheet.cpp cycle_sheet.h guide_pictures.cpp guide_pictures.h position_sheet.cpp position_sheet.h
  shown_trace.h single_number_sheet.cpp single_number_sheet.h tform_img_excel.cpp tform_img_excel.h
  tform_zu_grid_sort.cpp tform_zu_grid_sort.h tform_zu_threeforone.h tform_zu_trace_single.cpp
  tform_zu_trace_single.h tform_zu_twoforone.h trace_grid_view.cpp trace_grid_view.h trace_sheet.cpp
  trace_sheet.h
  DEPS vantor_trace vantor_ui vantor_core
  QT Widgets)
