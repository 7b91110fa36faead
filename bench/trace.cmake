vantor_bench(trace_bench DEPS vantor_trace vantor_trace_window QT Widgets)
