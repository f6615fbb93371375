# One whole drawing of the window of entered pillars, its tables read from the program folder
# build/bin.
add_executable(bench_direct ${CMAKE_CURRENT_LIST_DIR}/bench_direct.cpp)
target_link_libraries(bench_direct PRIVATE qm_direct benchmark::benchmark)
add_dependencies(bench_direct program_data)
