# One whole drawing of the combined chart window, its record and tables read from the program
# folder build/bin.
add_executable(bench_ziwei ${CMAKE_CURRENT_LIST_DIR}/bench_ziwei.cpp)
target_link_libraries(bench_ziwei PRIVATE qm_ziwei benchmark::benchmark)
add_dependencies(bench_ziwei program_data)
