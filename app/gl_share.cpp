// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gl_share.h"

#include <QCoreApplication>
#include <QOpenGLContext>

QT_BEGIN_NAMESPACE
// Qt's hook for the context that Qt::AA_ShareOpenGLContexts creates at start-up; QtWebEngine
// declares and reads it the same way.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
QT_END_NAMESPACE

namespace ampora {

void ShareOpenGLContexts() {
    if (qt_gl_global_share_context()) return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    // Without a working driver the context stays invalid and the browser draws in software.
    context->create();
    qt_gl_set_global_share_context(context);
}

}  // namespace ampora
