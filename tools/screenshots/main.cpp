// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the main window and every form of the program to PNG files, headless, for the
// README and the AppStream metainfo. Not part of the program.
//
//     ampora_screenshots [directory]      (default: docs/screenshots of the source tree)

#include "app/desktop_identity.h"
#include "app/form_table.h"
#include "app/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include <cstdio>
#include <vector>

namespace {

// What a user might have typed or picked before the picture is taken, and the button
// pressed afterwards. A form that lacks a named control is shown empty.
struct Entry {
    const char* control;
    const char* text;
};

struct Sample {
    const char* form;
    std::vector<Entry> entries;
    std::vector<const char*> presses;  // buttons pressed after the entries, in order
};

const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = {
        {"cond", {{"r", "4"}}, {"Command1"}},
        {"ac", {{"peak", "325"}}, {"Command1"}},
        {"trans", {{"np", "1000"}, {"ns", "50"}, {"vp", "230"}}, {"Command1"}},
        {"amm", {{"i", "1"}, {"ig", "0.001"}, {"rg", "50"}}, {"Command1"}},
        {"rcc",
         {{"unit", "4 - Yellow"}, {"tens", "7 - Violet"}, {"pten", "2 - Red"}, {"toller", "Gold 5%"}},
         {"Command1"}},
        {"ratri", {{"b", "3"}, {"p", "4"}}, {"Command1"}},
        {"cirtri", {{"r", "2"}}, {"Command1"}},
        {"pd", {{"v", "12"}, {"r", "4"}}, {"calc"}},
        {"mag", {{"B", "0.5"}, {"i", "2"}, {"l", "3"}}, {"calc"}},
        {"res",
         {{"nc", "3"}, {"ct0", "100"}, {"ct1", "220"}, {"ct2", "470"}, {"v", "12"}},
         {"Command1", "Command2"}},
    };
    return samples;
}

void Fill(QWidget* form) {
    for (const Sample& sample : Samples()) {
        if (form->objectName() != QLatin1String(sample.form)) continue;
        for (const Entry& e : sample.entries) {
            auto* w = form->findChild<QWidget*>(QString::fromLatin1(e.control));
            if (auto* box = qobject_cast<QLineEdit*>(w))
                box->setText(QString::fromUtf8(e.text));
            else if (auto* list = qobject_cast<QComboBox*>(w))
                list->setCurrentText(QString::fromUtf8(e.text));
            else
                return;
        }
        for (const char* press : sample.presses)
            if (auto* button = form->findChild<QPushButton*>(QString::fromLatin1(press))) button->click();
    }
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
    // Each form alone, in its child window, in use where a sample is known.
    for (const ampora::FormEntry& entry : ampora::AllForms()) {
        ampora::MainWindow window;
        window.show();
        QWidget* form = window.forms().OpenForm(entry.kind);
        if (!form) continue;
        Fill(form);
        ok = Save(form->parentWidget(), dir, form->objectName()) && ok;
    }

    // The main window as it opens, with the conductance calculator in use beside the panel.
    ampora::MainWindow window;
    window.show();
    QApplication::processEvents();
    ok = Save(&window, dir, QStringLiteral("main-window")) && ok;
    if (QWidget* form = window.forms().OpenForm(ampora::FormKind::cond)) {
        Fill(form);
        const QRect panel = window.forms().form(ampora::FormKind::Form1)->parentWidget()->geometry();
        form->parentWidget()->move(panel.right() + 12, panel.top());
        ok = Save(&window, dir, QStringLiteral("main-window-in-use")) && ok;
    }
    return ok ? 0 : 1;
}
