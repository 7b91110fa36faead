vantor_bench(exchange_bench DEPS vantor_qt_adapters vantor_exchange QT Gui Network)
# The loopback HTTP server the tests drive serves the benchmark's downloads too.
target_include_directories(exchange_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
