// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "working.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTextDocument>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace ampora {
namespace {

// Puts a new Working window below its form's window where the area has room there for
// half of it, moved left as far as needed to show it whole; else the area places it as
// any new window. It is never larger than the area.
void Place(QMdiSubWindow* frame, const QMdiSubWindow* formFrame) {
    const QRect room = frame->mdiArea()->viewport()->rect();
    const QSize size = frame->sizeHint().boundedTo(room.size());
    const QRect form = formFrame->geometry();
    const int below = room.bottom() - form.bottom();
    if (below < size.height() / 2) {
        frame->resize(size);
        return;
    }
    const int left = std::clamp(form.left(), 0, std::max(0, room.width() - size.width()));
    frame->setGeometry(left, form.bottom() + 1, size.width(), std::min(size.height(), below));
}

}  // namespace

WorkingWindow::WorkingWindow(const QWidget& form, QWidget* parent)
    : QWidget(parent, parent ? Qt::Window : Qt::WindowFlags()),
      text_(new QPlainTextEdit(this)),
      copyMarkdown_(new QPushButton(tr("Copy as Markdown"), this)),
      copyLaTeX_(new QPushButton(tr("Copy as LaTeX"), this)),
      print_(new QPushButton(tr("Print\u2026"), this)) {
    setObjectName(form.objectName() + QStringLiteral("Working"));
    setWindowTitle(tr("Working - %1").arg(form.windowTitle()));
    text_->setObjectName(QStringLiteral("steps"));
    text_->setAccessibleName(tr("Steps"));
    text_->setReadOnly(true);
    // Read-only text takes no caret unless asked: the keyboard selects and copies too.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // One step, one line: a long step scrolls rather than breaking in two.
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    copyMarkdown_->setObjectName(QStringLiteral("copyMarkdown"));
    copyLaTeX_->setObjectName(QStringLiteral("copyLatex"));
    print_->setObjectName(QStringLiteral("print"));
    connect(copyMarkdown_, &QPushButton::clicked, this, [this] { copy(Rendering::Markdown); });
    connect(copyLaTeX_, &QPushButton::clicked, this, [this] { copy(Rendering::LaTeX); });
    connect(print_, &QPushButton::clicked, this, &WorkingWindow::askToPrint);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 0, 6, 6);
    buttons->addWidget(copyMarkdown_);
    buttons->addWidget(copyLaTeX_);
    buttons->addWidget(print_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    setFocusProxy(text_);
    resize(sizeHint());
    setSteps(nullptr);
    setSolution(nullptr);
}

void WorkingWindow::setSolution(const Solution* solution) {
    solution_.reset();
    if (solution) solution_ = *solution;
    for (QPushButton* b : {copyMarkdown_, copyLaTeX_, print_}) b->setEnabled(solution != nullptr);
}

QString WorkingWindow::solution(Rendering rendering) const {
    return solution_ ? QString::fromStdString(Rendered(*solution_, rendering)) : QString();
}

void WorkingWindow::copy(Rendering rendering) const {
    QGuiApplication::clipboard()->setText(solution(rendering));
}

void WorkingWindow::print(QPrinter& printer) const {
    QTextDocument document;
    document.setMarkdown(solution(Rendering::Markdown));
    document.print(&printer);
}

void WorkingWindow::askToPrint() {
    if (!solution_) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Solution"));
    if (dialog.exec() == QDialog::Accepted) print(printer);
}

QSize WorkingWindow::sizeHint() const {
    const QFontMetrics metrics(text_->font());
    const int frame = 2 * text_->frameWidth() + 8;
    return {metrics.horizontalAdvance(QLatin1Char('0')) * 72 + frame, metrics.lineSpacing() * 10 + frame};
}

void WorkingWindow::setSteps(const Steps* steps, const std::vector<std::string>& readings) {
    QStringList lines;
    if (!steps)
        lines << tr("Nothing has been worked out yet: fill in what you know and press Calculate.");
    else if (steps->empty())
        lines << tr("The last press worked nothing out.");
    else
        for (const Step& step : *steps) lines << QString::fromStdString(StepLine(step));
    if (!readings.empty()) lines << QString();
    for (const std::string& line : readings) lines << QString::fromStdString(line);
    // Read anew as the boxes change: the text the reader has scrolled to stays in view.
    const int scrolled = text_->verticalScrollBar() ? text_->verticalScrollBar()->value() : 0;
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    if (text_->verticalScrollBar()) text_->verticalScrollBar()->setValue(scrolled);
}

QString WorkingWindow::text() const { return text_->toPlainText(); }

Working::Working(QWidget* form, const Boxes& boxes, ReadLines readLines)
    : QObject(form),
      form_(form),
      action_(new QAction(tr("Working"), form)),
      boxes_(boxes),
      readLines_(std::move(readLines)) {
    action_->setObjectName(QStringLiteral("working"));
    action_->setShortcut(key());
    action_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action_, &QAction::triggered, this, &Working::open);
    form->addAction(action_);
    form->setContextMenuPolicy(Qt::ActionsContextMenu);
    form->installEventFilter(this);
    for (const auto& [name, box] : boxes_) {
        box->installEventFilter(this);
        // Once the text has changed, the step no longer tells how it came about.
        connect(box, &QLineEdit::textChanged, this, [this, box = box] {
            steps_.remove(box);
            reread();
        });
    }
}

Working::~Working() {
    // The form is going: a Working window in the MDI area goes with it.
    if (frame_) frame_->deleteLater();
}

QKeySequence Working::key() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W); }

void Working::record(const Steps& steps, Solution solution) {
    last_ = &steps;
    solution_ = std::move(solution);
    steps_.clear();
    for (const auto& [name, box] : boxes_) {
        // The last step that wrote the box, if the box still holds what it wrote, or that
        // read the prefixed number the box still holds (a step of no rule, from its text).
        for (auto s = steps.rbegin(); s != steps.rend(); ++s) {
            if (s->box != name || s->fault) continue;
            const QString text = box->text();
            if (text == QString::fromStdString(s->result) ||
                (s->block == 0 && text == QString::fromStdString(s->relation)))
                steps_.insert(box, QString::fromStdString(StepLine(*s)));
            break;
        }
    }
    reread();
}

void Working::reread() {
    if (!window_) return;
    window_->setSteps(last_, readLines_ ? readLines_("") : std::vector<std::string>());
    window_->setSolution(solution_ ? &*solution_ : nullptr);
}

void Working::open() {
    // A window the user closed is on its way to deletion: open one afresh.
    if (window_ && !(frame_ ? frame_->isVisible() : window_->isVisible())) {
        window_ = nullptr;
        frame_ = nullptr;
    }
    if (!window_) {
        auto* formFrame = qobject_cast<QMdiSubWindow*>(form_->parentWidget());
        QMdiArea* area = formFrame ? formFrame->mdiArea() : nullptr;
        if (area) {
            window_ = new WorkingWindow(*form_);
            window_->setAttribute(Qt::WA_DeleteOnClose);
            const Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                          Qt::WindowMinMaxButtonsHint;
            QMdiSubWindow* frame = area->addSubWindow(window_, flags);
            frame->setAttribute(Qt::WA_DeleteOnClose);
            frame->setObjectName(window_->objectName() + QStringLiteral("Window"));
            // The icon the form's window shows, not a fresh copy of the style's.
            frame->setWindowIcon(formFrame->windowIcon());
            Place(frame, formFrame);
            frame_ = frame;
        } else {
            window_ = new WorkingWindow(*form_, form_);
            window_->setAttribute(Qt::WA_DeleteOnClose);
        }
        reread();
    }
    QWidget* top = frame_ ? frame_.data() : window_.data();
    top->show();
    top->raise();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(top))
        frame->mdiArea()->setActiveSubWindow(frame);
    else
        top->activateWindow();
}

bool Working::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_) {
        if (event->type() == QEvent::Close) {
            if (frame_)
                frame_->close();
            else if (window_)
                window_->close();
        }
        return false;
    }
    if (event->type() != QEvent::ToolTip) return false;
    // The step that wrote the box, then its reading and the parts that fit it, a series a
    // line.
    QStringList tip;
    if (const auto step = steps_.constFind(watched); step != steps_.cend()) tip << *step;
    if (readLines_)
        for (const std::string& line : readLines_(watched->objectName().toStdString()))
            tip << QString::fromStdString(line).replace(QLatin1String("; "), QLatin1String("\n    "));
    if (tip.isEmpty()) return false;
    // Shown from here rather than set as the box's tool tip, which a screen reader would
    // read as the box's description.
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip.join(QLatin1Char('\n')),
                       static_cast<QWidget*>(watched));
    return true;
}

}  // namespace ampora
