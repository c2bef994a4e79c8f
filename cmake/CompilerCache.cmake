# Compiles through ccache when the machine has it, so that a second build of the same sources (a
# fresh clone, another build folder, the next run of the test command) takes the objects from the
# cache instead of compiling them again. The cache lives where ccache keeps it, outside the clone
# (~/.cache/ccache, or CCACHE_DIR). Paths are taken relative to the clone, so clones in other
# folders share it.
option(QUORVEL_CCACHE "Compile through ccache when it is installed" ON)

if(QUORVEL_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    find_program(QUORVEL_CCACHE_PROGRAM ccache)
    find_program(QUORVEL_ENV_PROGRAM env)
    if(QUORVEL_CCACHE_PROGRAM AND QUORVEL_ENV_PROGRAM)
        set(CMAKE_CXX_COMPILER_LAUNCHER
            ${QUORVEL_ENV_PROGRAM}
            CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
            CCACHE_NOHASHDIR=1
            CCACHE_SLOPPINESS=include_file_mtime,include_file_ctime
            # Qt Test puts the build and source folders into every test source as absolute
            # defines, which would make each clone miss; nothing here uses them (QFINDTESTDATA).
            "CCACHE_IGNOREOPTIONS=-DQT_TESTCASE_BUILDDIR=* -DQT_TESTCASE_SOURCEDIR=*"
            ${QUORVEL_CCACHE_PROGRAM})
    endif()
endif()
