# The calendar calls with their table reads, run beside the tables copied into build/dev-bin.
add_executable(bench_calendar ${CMAKE_CURRENT_LIST_DIR}/bench_calendar.cpp)
target_link_libraries(bench_calendar PRIVATE qm_calendar benchmark::benchmark)
add_dependencies(bench_calendar program_data)
