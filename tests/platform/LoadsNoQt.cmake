# Fails when PROGRAM needs any Qt library, directly or through another library.
# cmake -DPROGRAM=... -P LoadsNoQt.cmake
execute_process(COMMAND ldd "${PROGRAM}" OUTPUT_VARIABLE libraries RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "ldd could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "libQt[0-9][A-Za-z]*" found "${libraries}")
if(found)
    list(REMOVE_DUPLICATES found)
    message(FATAL_ERROR "${PROGRAM} loads ${found}")
endif()
message(STATUS "${PROGRAM} loads no Qt")
