# One whole drawing of the hexagram window from typed lines and a date, the calendar tables read
# from the program folder build/bin.
add_executable(bench_hexagram ${CMAKE_CURRENT_LIST_DIR}/bench_hexagram.cpp)
target_link_libraries(bench_hexagram PRIVATE qm_hexagram benchmark::benchmark)
add_dependencies(bench_hexagram program_data)
