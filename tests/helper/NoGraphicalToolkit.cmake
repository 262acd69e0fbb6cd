# Fails when PROGRAM needs, directly or through another library, a library of the graphical
# toolkit, fonts or GL. cmake -DPROGRAM=... -P NoGraphicalToolkit.cmake
execute_process(COMMAND ldd "${PROGRAM}" OUTPUT_VARIABLE libraries RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "ldd could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "lib(Qt6(Gui|Widgets|Svg|OpenGL|XcbQpa)|fontconfig|freetype|harfbuzz|GL|EGL|GLX)[^ ]*"
       found "${libraries}")
if(found)
    list(REMOVE_DUPLICATES found)
    message(FATAL_ERROR "the helper loads ${found}")
endif()
message(STATUS "the helper loads none of the graphical toolkit")
