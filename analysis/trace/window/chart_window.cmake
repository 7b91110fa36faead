# The trace summary chart window: the form, its panels and the bar chart view.
vantor_library(vantor_chart_window SOURCES
  chart_bars.cpp chart_bars.h chart_item_labels.cpp chart_item_labels.h chart_detail_panel.cpp chart_detail_panel.h
  chart_form.cpp chart_form.h chart_query_panel.cpp chart_query_panel.h chart_settings_panel.cpp chart_settings_panel.h
  DEPS vantor_trace vantor_ui
  QT Widgets Charts)

# vantor39-chart-picture draws the chart pictures of vantor39-cli trace-chart --png, which
# runs it from its own folder and so links no window code; it is built beside the CLI.
add_executable(vantor39-chart-picture chart_picture_main.cpp)
target_link_libraries(vantor39-chart-picture PRIVATE vantor_chart_window vantor_ui vantor_core)
vantor_link_qt(vantor39-chart-picture Widgets Charts)
set_target_properties(vantor39-chart-picture PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/cli)
