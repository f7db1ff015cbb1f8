# Extracts every user-visible text with lupdate and fails on any warning it
# gives (file:line: ...), such as a tr() it cannot place in a context: such a
# text would never reach a translator.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target malvora_lupdate
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
message("${output}")
if(NOT status EQUAL 0 OR output MATCHES ":[0-9]+: ")
  message(FATAL_ERROR "lupdate cannot extract every text")
endif()
