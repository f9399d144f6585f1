# Runs PROGRAM with ARGUMENTS (a command line) and passes when its output
# matches every regular expression of PATTERNS (separated by "|"), in any
# order: for output such as JSON, whose parts come in no fixed order.
separate_arguments(arguments UNIX_COMMAND "${ARGUMENTS}")
execute_process(COMMAND "${PROGRAM}" ${arguments} OUTPUT_VARIABLE output ERROR_VARIABLE output)
string(REPLACE "|" ";" patterns "${PATTERNS}")
foreach(pattern IN LISTS patterns)
  if(NOT output MATCHES "${pattern}")
    message(FATAL_ERROR "The output does not match ${pattern}:\n${output}")
  endif()
endforeach()
