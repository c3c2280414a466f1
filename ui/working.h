// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/relation.h"
#include "core/solution.h"

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

// How a calculator form shows the work behind its answers. After a press, each box the
// press wrote tells in its tool tip the step that wrote it; every box's tool tip tells its
// reading and the parts that fit its value; the form's "Working" window lists every step
// of the last press, one line each, as the command line's --explain prints them, then the
// readings as --readings prints them; under them, the last press's solution is copied as
// Markdown or LaTeX, or printed, as ampora-calc --explain=markdown|latex writes it.
namespace ampora {

// The "Working" window: the steps of a form's last press as read-only text, one step a
// line, to read, select and copy; and the buttons "Copy as Markdown", "Copy as LaTeX" and
// "Print…" that hand in the press's solution.
class WorkingWindow : public QWidget {
    Q_OBJECT
public:
    explicit WorkingWindow(const QWidget& form, QWidget* parent = nullptr);

    // The steps of the last press (nullptr before the first press), then the boxes'
    // readings and the parts that fit them, a line each.
    void setSteps(const Steps* steps, const std::vector<std::string>& readings = {});
    QString text() const;
    // The last press's solution (nullptr before the first press): the buttons hand it in.
    void setSolution(const Solution* solution);
    // The solution in `rendering`; empty before the first press.
    QString solution(Rendering rendering) const;
    // The solution laid out on `printer`'s pages, from its Markdown: the caption, tables of
    // what was given and found, the steps as a numbered list.
    void print(QPrinter& printer) const;
    // Wide enough for a typical step, such as one that multiplies two 15-digit values.
    QSize sizeHint() const override;

private:
    void copy(Rendering rendering) const;
    void askToPrint();

    QPlainTextEdit* text_;
    QPushButton* copyMarkdown_;
    QPushButton* copyLaTeX_;
    QPushButton* print_;
    std::optional<Solution> solution_;
};

// The work of a declared form's presses, shown on its boxes and in its Working window. It
// adds the "Working" item to the form's context menu, with a key that opens the window
// while the form or one of its controls has the focus. Where the form sits in an MDI area
// the window is a child window there; else a window of its own. Closing the form closes
// its Working window.
class Working : public QObject {
    Q_OBJECT
public:
    using Boxes = std::vector<std::pair<std::string, QLineEdit*>>;
    // The reading lines of one box, or of every box for "".
    using ReadLines = std::function<std::vector<std::string>(std::string_view box)>;

    Working(QWidget* form, const Boxes& boxes, ReadLines readLines = {});
    ~Working() override;

    // The key that opens the window: one that neither Qt nor the program already uses.
    static QKeySequence key();

    // After a press has written its boxes back: `steps` (which must outlive the next
    // record()) becomes the work shown, and `solution` what the window hands in. Only the
    // boxes the press wrote tell a step.
    void record(const Steps& steps, Solution solution);
    // The readings changed (a box's text, or the way prefixed input is read).
    void reread();
    // Opens the window, or brings it to the front.
    void open();

    QAction* action() const { return action_; }
    // The open window, or nullptr.
    WorkingWindow* window() const { return window_; }
    // The step a box's tool tip tells, or empty when it tells none.
    QString stepOf(const QObject* box) const { return steps_.value(box); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* form_;
    QAction* action_;
    Boxes boxes_;
    ReadLines readLines_;
    const Steps* last_ = nullptr;
    std::optional<Solution> solution_;
    QHash<const QObject*, QString> steps_;  // box -> its step's line
    QPointer<WorkingWindow> window_;
    // The window's MDI child window, when it has one.
    QPointer<QWidget> frame_;
};

}  // namespace ampora
