# One full drawing pass of each monitor window over a full sample store.
pelmora_add_benchmark(bench_trend_plot ${CMAKE_CURRENT_LIST_DIR}/trend_plot_bench.cpp)
