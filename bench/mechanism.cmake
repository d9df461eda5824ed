# Packing a mechanism picture of the largest size into its image and packets.
pelmora_add_benchmark(bench_mechanism ${CMAKE_CURRENT_LIST_DIR}/mechanism_bench.cpp)
