vantor_bench(history_bench DEPS vantor_exchange vantor_libzip)
# The result files are made from the bundled history by the tests' own helper.
target_include_directories(history_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
