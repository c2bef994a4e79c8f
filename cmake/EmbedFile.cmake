# quorvel_embed_file(<target> <symbol> <file>): compiles the exact bytes of <file> into
# <target> as `extern const unsigned char <symbol>[]` and `extern const std::size_t <symbol>_size`.
function(quorvel_embed_file target symbol file)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp)
    add_custom_command(
        OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -DSYMBOL=${symbol}
                -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFileScript.cmake
        DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/EmbedFileScript.cmake
        COMMENT "Embedding ${file}"
        VERBATIM)
    target_sources(${target} PRIVATE ${out})
endfunction()
