# The program refuses a --lang it does not speak, and a --lang without a value: exit code 2 and one
# line on standard error saying what is wrong, before any window or web engine starts.
#   cmake -DPROGRAM=<quorvel> -P check_bad_language.cmake
foreach(arguments "--lang;fr" "--lang")
    execute_process(COMMAND ${PROGRAM} ${arguments} RESULT_VARIABLE code
                    OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
    if(NOT code EQUAL 2)
        message(FATAL_ERROR "quorvel ${arguments}: exit ${code}, not 2 (stderr: ${err})")
    endif()
    if(NOT err MATCHES "^quorvel: [^\n]*(en or es)[^\n]*\n$")
        message(FATAL_ERROR "quorvel ${arguments}: stderr is not one line naming en and es: ${err}")
    endif()
endforeach()
