# The trace windows: the trace window alone on a hand-made table, and inside the program.
vantor_qtest(trace_single_test SOURCES trace_single_test.cpp DEPS vantor_trace_window vantor_exchange vantor_libzip)
vantor_qtest(trace_follow_ups_test SOURCES trace_follow_ups_test.cpp DEPS vantor_app)
