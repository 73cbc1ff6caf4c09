# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt headers every window's sources read, parsed once per build instead
# of once per source: each library, program and test of ours that uses Qt
# Widgets reuses the precompiled headers of velmora_view. They share its
# flags (Qt has every user compiled with -fPIC), as g++ needs to take them;
# a target is found by what it links, so a folder or library that moves
# needs nothing here.

set(VELMORA_QT_HEADERS
    <QApplication> <QCheckBox> <QComboBox> <QDir> <QFile> <QFileInfo> <QImage> <QLabel> <QLineEdit>
    <QMenu> <QPainter> <QPixmap> <QPlainTextEdit> <QPushButton> <QString> <QTimer> <QWidget>
    <memory> <string> <vector>)

# Every target defined in DIR and the folders below it, into OUT.
function(velmora_targets_below dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub ${subdirs})
        velmora_targets_below(${sub} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

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
    velmora_targets_below(${PROJECT_SOURCE_DIR} targets)
    foreach(t ${targets})
        get_target_property(type ${t} TYPE)
        if(t STREQUAL "velmora_view" OR NOT type MATCHES "^(STATIC_LIBRARY|EXECUTABLE)$")
            continue() # the printing module builds alone, on Qt's printing headers
        endif()
        velmora_uses_widgets(${t} widgets)
        if(widgets)
            target_precompile_headers(${t} REUSE_FROM velmora_view)
        endif()
    endforeach()
endfunction()
