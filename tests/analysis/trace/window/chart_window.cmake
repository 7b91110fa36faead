# The trace summary chart window, offscreen.
vantor_qtest(chart_window_test SOURCES chart_window_test.cpp DEPS vantor_chart_window QT Charts)
# trace-chart --png through the CLI and the chart-picture program beside it.
vantor_qtest(chart_window_cli_test SOURCES chart_window_cli_test.cpp DEPS vantor_chart_window QT Charts)
target_compile_definitions(chart_window_cli_test PRIVATE VANTOR_CLI="$<TARGET_FILE:vantor39-cli>")
add_dependencies(chart_window_cli_test vantor39-cli)
