# Run by CTest: cmake -DSOURCE_DIR=<src> -P CheckIncludes.cmake
# Every layer has the whole of src/ on its include path, so a library's links cannot stop an
# include that reaches up a layer. Each folder below names the folders it may include from.
if(NOT DEFINED SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()
set(rules core "^core$" widgets "^widgets$"
    net "^(core|game|net|settings)$" play "^(core|game|net|play|settings)$"
    dialogs "^(core|dialogs|game|matchmaking|net|settings|widgets)$")
set(faults "")
while(rules)
    list(POP_FRONT rules folder allowed)
    file(GLOB files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(file IN LISTS files)
        file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" target "${line}")
            if(NOT target MATCHES "${allowed}")
                string(APPEND faults "\n  ${file}: ${line}")
            endif()
        endforeach()
    endforeach()
endwhile()
if(faults)
    message(FATAL_ERROR "An include reaches up a layer:${faults}")
endif()
