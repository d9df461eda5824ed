# Building every frame of the schema upload for a full schema.
pelmora_add_benchmark(bench_upload ${CMAKE_CURRENT_LIST_DIR}/upload_bench.cpp)
