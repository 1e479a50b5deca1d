file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -max_len=70000 -timeout=5 -rss_limit_mb=1024
            -print_final_stats=1 ${SCRATCH} ${SEEDS}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} found a fault (exit ${result})")
endif()
