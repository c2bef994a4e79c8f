# quorvel_export_headers(<target> <folder>): the target's users may include "<folder>/x.h" and
# nothing else of the source tree. Each library gets an include root of its own that holds only
# its folder, so a lower library cannot reach a higher one's headers.
function(quorvel_export_headers target folder)
    set(root ${CMAKE_BINARY_DIR}/include/${folder})
    file(MAKE_DIRECTORY ${root})
    if(NOT EXISTS ${root}/${folder})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
