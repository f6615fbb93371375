# One whole drawing of the natal chart window, its record and tables read beside the executable
# in build/dev-bin, never in the program folder.
add_executable(bench_natal ${CMAKE_CURRENT_LIST_DIR}/bench_natal.cpp)
target_link_libraries(bench_natal PRIVATE qm_natal benchmark::benchmark)
add_dependencies(bench_natal program_data)
