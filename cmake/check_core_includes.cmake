# Fails when a source of the core library includes window code: QtGui,
# QtWidgets or another GUI module of Qt. (Headers named without their module,
# such as <QWidget>, are not on the core's include path and fail to compile.)
#   cmake -DLIST_FILE=<file with the sources, ;-separated> -P check_core_includes.cmake
file(READ "${LIST_FILE}" files)
set(bad "")
foreach(f IN LISTS files)
  file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Qt(Gui|Widgets|OpenGL|OpenGLWidgets|PrintSupport|Svg|Multimedia)[/>\"]")
  foreach(l IN LISTS lines)
    string(APPEND bad "\n  ${f}: ${l}")
  endforeach()
endforeach()
if(bad)
  message(FATAL_ERROR "The core library must not include window code:${bad}")
endif()
