# One whole drawing of the luck window, its record and tables read from the program folder
# build/bin and BIGFOR written there.
add_executable(bench_luck ${CMAKE_CURRENT_LIST_DIR}/bench_luck.cpp)
target_link_libraries(bench_luck PRIVATE qm_luck benchmark::benchmark)
add_dependencies(bench_luck program_data)
