vantor_bench(moving_bench DEPS vantor_moving vantor_moving_window QT Widgets)
