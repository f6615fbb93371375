# One whole drawing of the fortune curve window, BIGFOR and SIXTY.DAT read and fortune.PRN
# written in the program folder build/bin: the default window and the widest one.
add_executable(bench_fortune ${CMAKE_CURRENT_LIST_DIR}/bench_fortune.cpp)
target_link_libraries(bench_fortune PRIVATE qm_fortune benchmark::benchmark)
add_dependencies(bench_fortune program_data)
