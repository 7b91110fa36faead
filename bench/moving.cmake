vantor_bench(moving_bench DEPS vantor_moving)
