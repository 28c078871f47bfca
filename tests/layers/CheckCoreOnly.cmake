# Run by CTest for each layer that links Qt Core and Network only (see ropewit_core_only in
# the top CMakeLists.txt), with that layer's compiler, include path and headers:
#   cmake -DLAYER=name -DCOMPILER=c++ -DINCLUDES=a|b -DHEADERS=x.h|y.h -DSOURCE_DIR=dir
#         -DWORK_DIR=dir -P CheckCoreOnly.cmake
# Every header of the layer must compile on that path. A header of Qt Gui, Widgets or
# Multimedia must not: named short (<QFont>) it is not on the path, since nothing the layer
# links brings it; named in full (<QtGui/QFont>) it meets the guard.
foreach(var LAYER COMPILER INCLUDES HEADERS SOURCE_DIR WORK_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

string(REPLACE "|" ";" includes "${INCLUDES}")
string(REPLACE "|" ";" headers "${HEADERS}")
set(flags -std=c++17 -fsyntax-only -fPIC -Wfatal-errors)
foreach(dir IN LISTS includes)
    list(APPEND flags "-I${dir}")
endforeach()
file(MAKE_DIRECTORY "${WORK_DIR}")

# Compiles `text` as one source file; sets <name>_rc and <name>_out.
function(probe name text)
    set(file "${WORK_DIR}/${name}.cpp")
    file(WRITE "${file}" "${text}")
    execute_process(COMMAND "${COMPILER}" ${flags} "${file}"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    set(${name}_rc "${rc}" PARENT_SCOPE)
    set(${name}_out "${out}" PARENT_SCOPE)
endfunction()

set(own "#include <QObject>\n")
foreach(header IN LISTS headers)
    get_filename_component(path "${header}" ABSOLUTE BASE_DIR "${SOURCE_DIR}")
    string(APPEND own "#include \"${path}\"\n")
endforeach()
probe(own "${own}")
if(NOT own_rc EQUAL 0)
    message(FATAL_ERROR "The headers of ${LAYER} do not compile on its own include path:\n"
        "${own_out}")
endif()

set(short QFont QColor QImage QWidget QSoundEffect)
foreach(header IN LISTS short)
    probe(short "#include <${header}>\n")
    if(short_rc EQUAL 0 OR NOT short_out MATCHES "No such file|not found")
        message(FATAL_ERROR "<${header}> is on the include path of ${LAYER}: something it links "
            "brings Qt Gui, Widgets or Multimedia.\n${short_out}")
    endif()
endforeach()

set(full QtGui/QFont QtGui/QColor QtWidgets/QWidget QtMultimedia/QSoundEffect)
foreach(header IN LISTS full)
    probe(full "#include <${header}>\n")
    if(full_rc EQUAL 0 OR NOT full_out MATCHES "links Qt Core and Network only")
        message(FATAL_ERROR "<${header}> gets past the guard in ${LAYER}.\n${full_out}")
    endif()
endforeach()
