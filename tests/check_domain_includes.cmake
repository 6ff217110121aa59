# Fails when a domain file (anything outside app/ that is not a *_window, *_panel, *_dialog or *_widget
# file) includes a QtWidgets header.
file(GLOB_RECURSE files ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(offenders "")
foreach(file ${files})
    file(RELATIVE_PATH relative ${SOURCE_DIR} ${file})
    if(relative MATCHES "^app/" OR relative MATCHES "_(window|panel|dialog|widget)\\.(h|cpp)$"
       OR relative STREQUAL "main.cpp")
        continue()
    endif()
    file(STRINGS ${file} includes REGEX "^#include <(QtWidgets/|QWidget|QLabel|QLineEdit|QMainWindow|QApplication|QPushButton|QMessageBox|QGroupBox|QComboBox|QListWidget|QSlider|QCheckBox|QRadioButton)")
    if(includes)
        list(APPEND offenders "${relative}")
    endif()
endforeach()
if(offenders)
    message(FATAL_ERROR "Widget includes in domain code: ${offenders}")
endif()
message(STATUS "Domain code is free of widget includes")
