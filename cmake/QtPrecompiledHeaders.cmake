# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt headers every window's sources read, parsed once per build instead
# of once per source: each library and program of ours that uses Qt Widgets
# reuses the precompiled headers of velmora_view, and each test those of the
# first test (they are compiled without optimisation, which g++ will not
# mix). A target shares its host's flags (Qt has every user compiled with
# -fPIC), as g++ needs to take them; a target is found by what it links, so
# a folder or library that moves needs nothing here. velmora_targets_below
# comes from TestTargets.cmake.

set(VELMORA_QT_HEADERS
    <QApplication> <QCheckBox> <QComboBox> <QDir> <QFile> <QFileInfo> <QImage> <QLabel> <QLineEdit>
    <QMenu> <QPainter> <QPixmap> <QPlainTextEdit> <QPushButton> <QString> <QTimer> <QWidget>
    <memory> <string> <vector>)

# Whether TARGET is one of ours (built with velmora_build_options, as the
# headers were) that links Qt Widgets, itself or through a library of ours.
function(velmora_uses_widgets target out)
    set(todo ${target})
    set(seen "")
    while(todo)
        list(POP_FRONT todo t)
        if(t IN_LIST seen OR NOT TARGET ${t})
            continue()
        endif()
        list(APPEND seen ${t})
        get_target_property(imported ${t} IMPORTED)
        if(imported)
            continue()
        endif()
        get_target_property(type ${t} TYPE)
        set(links "")
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(links ${t} LINK_LIBRARIES)
        endif()
        get_target_property(interface ${t} INTERFACE_LINK_LIBRARIES)
        foreach(l ${links} ${interface})
            if(l AND NOT l MATCHES "NOTFOUND$" AND NOT l MATCHES "^\\$<")
                list(APPEND todo ${l})
            endif()
        endforeach()
    endwhile()
    if("Qt6::Widgets" IN_LIST seen AND "velmora_build_options" IN_LIST seen)
        set(${out} TRUE PARENT_SCOPE)
    else()
        set(${out} FALSE PARENT_SCOPE)
    endif()
endfunction()

function(velmora_precompile_qt_headers)
    target_precompile_headers(velmora_view PRIVATE ${VELMORA_QT_HEADERS})
    set(test_headers "")
    velmora_targets_below(${PROJECT_SOURCE_DIR} targets)
    foreach(t ${targets})
        get_target_property(type ${t} TYPE)
        if(t STREQUAL "velmora_view" OR NOT type MATCHES "^(STATIC_LIBRARY|EXECUTABLE)$")
            continue() # the printing module builds alone, on Qt's printing headers
        endif()
        velmora_uses_widgets(${t} widgets)
        get_target_property(test_code ${t} VELMORA_TEST_CODE)
        if(NOT widgets)
            continue()
        elseif(NOT test_code)
            target_precompile_headers(${t} REUSE_FROM velmora_view)
        elseif(test_headers)
            target_precompile_headers(${t} REUSE_FROM ${test_headers})
        else()
            target_precompile_headers(${t} PRIVATE ${VELMORA_QT_HEADERS})
            set(test_headers ${t})
        endif()
    endforeach()
endfunction()
