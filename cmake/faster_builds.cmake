# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds from scratch made cheaper. The test command builds the program three times over
# (release, sanitizers, fuzzers), and most of the time of compiling a file that includes
# Qt goes into reading Qt's headers. Only the targets that include Qt take part: the UI
# framework, the shell, the program, the tools, the benchmarks and the tests. The engine,
# the calculators, the request layer and the command line, which include no Qt, are
# compiled file by file as they always were, so that each file goes on including what it
# uses for any compiler that builds them.
#
# - Unity builds: the files of a Qt target are compiled together, as one, so Qt's headers
#   are read once per target. The names that files keep to themselves (in anonymous
#   namespaces) must therefore differ between the files of a target: a name repeated
#   fails to compile as soon as the file is added, and a function repeated with other
#   parameters would quietly become an overload, so give each its own name.
#   AMPORA_UNITY_BUILD=OFF compiles every file alone.
# - Precompiled headers: the Qt and standard headers that nearly every file includes are
#   compiled once for the desktop (with ampora_ui) and once for the tests (with
#   ampora_test_support, whose QtTest settings differ), and every other target of the
#   same settings reuses them. Under a compiler launcher such as ccache, which caches a
#   file compiled with a precompiled header only when configured to be lax about it,
#   they are left off and the cache does their work.

option(AMPORA_UNITY_BUILD "Compile the files of each target that includes Qt together, as one" ON)

if(CMAKE_CXX_COMPILER_LAUNCHER AND NOT DEFINED CMAKE_DISABLE_PRECOMPILE_HEADERS)
  set(CMAKE_DISABLE_PRECOMPILE_HEADERS ON)
endif()

# What the files of the desktop include, directly or through ui/'s headers.
set(AMPORA_DESKTOP_HEADERS
  <QApplication> <QComboBox> <QEvent> <QGroupBox> <QKeyEvent> <QLabel> <QLineEdit>
  <QMdiArea> <QMdiSubWindow> <QMessageBox> <QObject> <QPainter> <QPointer> <QPushButton>
  <QRadioButton> <QString> <QStringList> <QStyle> <QTimer> <QWidget>
  <algorithm> <functional> <memory> <string> <string_view> <vector>)
# And what the tests include besides.
set(AMPORA_TEST_HEADERS ${AMPORA_DESKTOP_HEADERS}
  <QTest> <QSignalSpy> <QAction> <QMenuBar> <QStatusBar> <QRegularExpression>
  <QElapsedTimer> <QAccessible> <cmath> <random>)

# ampora_build_faster(TARGET [PRECOMPILE HEADER...] [PRECOMPILED_WITH OTHER]): a unity
# build of TARGET, with its own precompiled headers or with those of OTHER, a target whose
# compiler settings it shares.
function(ampora_build_faster target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "PRECOMPILED_WITH" "PRECOMPILE")
  if(AMPORA_UNITY_BUILD)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
  endif()
  if(arg_PRECOMPILE)
    target_precompile_headers(${target} PRIVATE ${arg_PRECOMPILE})
  elseif(arg_PRECOMPILED_WITH)
    target_precompile_headers(${target} REUSE_FROM ${arg_PRECOMPILED_WITH})
  endif()
endfunction()
