# cmake -DFILES=a;b;... [-DSTAMP=file] -P CheckWidgetFree.cmake
# Fails when one of FILES includes a Qt Widgets or Print Support header or anything of ui/ (the widget
# set and the services that ask the user): a core library's logic works without windows and never asks.
set(forbidden
    "<QtWidgets" "<QtPrintSupport" "<QtMultimedia"
    "<QWidget>" "<QApplication>" "<QMessageBox>" "<QDialog>" "<QFileDialog>" "<QMainWindow>"
    "<QLabel>" "<QPushButton>" "<QAbstractButton>" "<QLineEdit>" "<QComboBox>" "<QCheckBox>"
    "<QStyle>" "<QPrinter>" "<QSoundEffect>" "<QMediaPlayer>"
    "\"ui/" "/gui/")
set(failures "")
foreach(file IN LISTS FILES)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    foreach(pattern IN LISTS forbidden)
      string(FIND "${line}" "${pattern}" at)
      if(at GREATER -1)
        string(APPEND failures "\n  ${file}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "A core library includes a widget header:${failures}")
endif()
if(STAMP)
  file(TOUCH "${STAMP}")
endif()
