# Extracts every user-visible text with lupdate and fails on any warning it
# gives (file:line: ...), such as a tr() it cannot place in a context: such a
# text would never reach a translator.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target malvora_lupdate
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
message("${output}")
if(NOT status EQUAL 0 OR output MATCHES ":[0-9]+: ")
  message(FATAL_ERROR "lupdate cannot extract every text")
endif()

# Each language's catalogue, brought up to date with the sources in a copy:
# a text that is new or changed stays unfinished there, and one that the
# sources no longer hold is left vanished or obsolete.
file(GLOB catalogues ${SOURCE_DIR}/translations/malvora_*.ts)
set(copies ${BUILD_DIR}/translations/check)
file(REMOVE_RECURSE ${copies})
file(COPY ${catalogues} DESTINATION ${copies})
file(GLOB checked ${copies}/*.ts)
execute_process(COMMAND ${LUPDATE} -source-language en -locations none @${SOURCE_LIST} -ts ${checked}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate cannot update the catalogues:\n${output}")
endif()
foreach(catalogue ${checked})
  file(STRINGS ${catalogue} open REGEX "type=\"(unfinished|vanished|obsolete)\"|<translation></translation>")
  if(open)
    get_filename_component(name ${catalogue} NAME)
    message(SEND_ERROR "${name}: texts without a finished translation:\n${open}")
  endif()
endforeach()
