vantor_bench(trace_bench DEPS vantor_trace)
