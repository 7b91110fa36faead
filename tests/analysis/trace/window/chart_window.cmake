# The trace summary chart window, offscreen.
vantor_qtest(chart_window_test SOURCES chart_window_test.cpp DEPS vantor_chart_window QT Charts)
