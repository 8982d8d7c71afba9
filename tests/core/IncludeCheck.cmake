# Fails when a file of the player core includes a header of the windows, the
# engine, the desktop or a Qt module other than Qt Core: the core must build
# and run without a window system.
file(GLOB sources ${CORE_DIR}/*.h ${CORE_DIR}/*.cpp)
set(forbidden "#include [<\"](Qt(Widgets|Gui|DBus|OpenGL[A-Za-z]*)/|Q(Widget|Application|GuiApplication|Dialog|MessageBox|FileDialog|Label|LineEdit|ListView|Menu|Action|CheckBox|ToolButton|Frame|Painter|Image|Pixmap|Icon|OpenGL[A-Za-z]*|DBus[A-Za-z]*)>|(gui|engine|desktop|widgets)/)")
set(failures "")
foreach(source ${sources})
  file(STRINGS ${source} lines REGEX "${forbidden}")
  foreach(line ${lines})
    string(APPEND failures "\n  ${source}: ${line}")
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "The player core includes window or desktop headers:${failures}")
endif()
list(LENGTH sources count)
message(STATUS "${count} core files checked")
