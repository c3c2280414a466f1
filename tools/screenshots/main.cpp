// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the main window and every form of the program to PNG files, headless, for the
// README and the AppStream metainfo. Not part of the program.
//
//     ampora_screenshots [directory]      (default: docs/screenshots of the source tree)

#include "app/desktop_identity.h"
#include "app/form_table.h"
#include "app/main_window.h"
#include "core/component_list.h"
#include "ui/calc_form.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <string_view>

namespace {

// A calculator in use: its declared example typed in, a component list's count
// confirmed, and the example's button pressed.
void Fill(QWidget* widget) {
    auto* form = qobject_cast<ampora::CalcForm*>(widget);
    if (!form || !form->declaration()) return;
    const ampora::Example& example = form->declaration()->example;
    for (const ampora::Setting& setting : example.settings) {
        const QString text = QString::fromUtf8(setting.text);
        if (QLineEdit* box = form->box(setting.control))
            box->setText(text);
        else if (QComboBox* list = form->list(setting.control))
            list->setCurrentText(text);
        else if (QRadioButton* option = form->option(setting.control))
            option->setChecked(text == QLatin1String("1"));
        if (setting.control == std::string_view(ampora::component_list::kCountBox))
            form->button(ampora::component_list::kOk)->click();
    }
    if (example.press) form->button(example.press)->click();
}

bool Save(QWidget* widget, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // The pictures show the program's icon from the start.
    ampora::UseProgramIcon();
    const QStringList args = QApplication::arguments();
    const QDir dir(args.size() > 1 ? args.at(1) : QStringLiteral(AMPORA_SCREENSHOT_DIR));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }

    bool ok = true;
    // Each form alone, in its child window, a calculator in use.
    for (const ampora::FormEntry& entry : ampora::AllForms()) {
        ampora::MainWindow window;
        window.show();
        QWidget* form = window.forms().open(entry.name);
        if (!form) continue;
        Fill(form);
        ok = Save(form->parentWidget(), dir, form->objectName()) && ok;
    }

    // The main window as it opens, with the conductance calculator in use beside the panel.
    ampora::MainWindow window;
    window.show();
    QApplication::processEvents();
    ok = Save(&window, dir, QStringLiteral("main-window")) && ok;
    if (QWidget* form = window.forms().open("cond")) {
        Fill(form);
        const QRect panel = window.forms().form(ampora::kMainPanel)->parentWidget()->geometry();
        form->parentWidget()->move(panel.right() + 12, panel.top());
        ok = Save(&window, dir, QStringLiteral("main-window-in-use")) && ok;
    }
    return ok ? 0 : 1;
}
