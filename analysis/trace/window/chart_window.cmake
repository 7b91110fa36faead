# The trace summary chart window: the form, its panels and the bar chart view.
vantor_library(vantor_chart_window SOURCES
  chart_bars.cpp chart_bars.h chart_item_labels.cpp chart_item_labels.h chart_detail_panel.cpp chart_detail_panel.h chart_form.cpp chart_form.h
  chart_query_panel.cpp chart_query_panel.h chart_settings_panel.cpp chart_settings_panel.h
  DEPS vantor_trace vantor_ui
  QT Widgets Charts)
