// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc_form.h"

#include "classic_frame.h"
#include "form_accessibility.h"
#include "raised_title.h"
#include "reading_order.h"
#include "sketch_shape.h"
#include "text_fit.h"
#include "wrap_button.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace ampora {
namespace {

// The face of classic buttons and dialogs.
const QColor kButtonFace(0xD4, 0xD0, 0xC8);

}  // namespace

Boxes BoxSet::read() const {
    Boxes texts;
    texts.reserve(boxes_.size());
    for (const QLineEdit* box : boxes_) texts.push_back(box->text().toStdString());
    return texts;
}

void BoxSet::write(const Boxes& texts) const {
    for (std::size_t i = 0; i < boxes_.size() && i < texts.size(); ++i) {
        const QString text = QString::fromStdString(texts[i]);
        if (boxes_[i]->text() == text) continue;
        boxes_[i]->setText(text);
        // A result longer than its box shows its leading digits, not its tail.
        boxes_[i]->setCursorPosition(0);
    }
}

void BoxSet::clear() const {
    for (QLineEdit* box : boxes_) box->setText(QString());
}

namespace {

// The forms are drawn on the grey of classic button faces, with black text whatever the
// desktop's theme, so that the white copy of a raised title stands out. The palette is
// the application's palette for every form, set once, not one set on each form: the style
// caches drawn buttons under the palette's identity, and a palette of each form's own
// would add new entries (and their keys, which the cache keeps) with every form opened.
void UseFacePalette() {
    // Qt forgets the palettes of classes when the style or the desktop theme changes.
    const char* forms = CalcForm::staticMetaObject.className();
    if (QApplication::palette(forms).color(QPalette::Window) == kButtonFace) return;
    QPalette face = QApplication::palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        face.setColor(group, QPalette::Window, kButtonFace);
        face.setColor(group, QPalette::Button, kButtonFace);
        face.setColor(group, QPalette::WindowText, Qt::black);
        face.setColor(group, QPalette::ButtonText, Qt::black);
        face.setColor(group, QPalette::Base, Qt::white);
        face.setColor(group, QPalette::Text, Qt::black);
    }
    face.setColor(QPalette::Disabled, QPalette::Window, kButtonFace);
    face.setColor(QPalette::Disabled, QPalette::Button, kButtonFace);
    // A palette that marks no role as set is taken over by each form as it is, without a
    // copy of its own.
    face.setResolveMask(0);
    QApplication::setPalette(face, forms);
}

}  // namespace

CalcForm::CalcForm(const char* name, const QString& caption, QSize client, QWidget* parent)
    : QWidget(parent), default_(this) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setFixedSize(Px(client.width()), Px(client.height()));
    setAttribute(Qt::WA_DeleteOnClose);
    InstallFormAccessibility();
    UseFacePalette();
    // Qt picked this widget's palette while it was still a plain QWidget; take the forms'.
    setPalette(QApplication::palette(this));
    setAutoFillBackground(true);
}

QWidget* CalcForm::create(const Control& c) {
    QWidget* parent = this;
    if (c.parent) parent = control(c.parent);
    Q_ASSERT_X(parent, "CalcForm::create", c.parent);
    const QString caption = QString::fromUtf8(c.caption);
    QWidget* w = nullptr;
    switch (c.kind) {
        case Kind::Label:
            w = new QLabel(caption, parent);
            break;
        case Kind::Box: {
            auto* box = new QLineEdit(parent);
            box->setText(caption);
            w = box;
            break;
        }
        case Kind::Button: {
            // A button two lines high wraps its caption.
            auto* b = c.at.height >= 450 ? new WrapButton(caption, parent) : new QPushButton(caption, parent);
            b->setAutoDefault(false);
            w = b;
            break;
        }
        case Kind::Option:
            w = new QRadioButton(caption, parent);
            break;
        case Kind::List: {
            auto* list = new QComboBox(parent);
            list->setEditable(false);
            list->addItems(caption.split(QLatin1Char('|'), Qt::SkipEmptyParts));
            list->setCurrentIndex(-1);
            w = list;
            break;
        }
        case Kind::Frame:
            w = new ClassicFrame(caption, parent);
            break;
        case Kind::Picture: {
            auto* picture = new QLabel(parent);
            picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            picture->setLineWidth(2);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            QPalette white = picture->palette();
            white.setColor(QPalette::Window, Qt::white);
            picture->setPalette(white);
            picture->setAutoFillBackground(true);
            w = picture;
            break;
        }
        case Kind::StatusBar: {
            auto* bar = new QStatusBar(parent);
            bar->setSizeGripEnabled(false);
            bar->addWidget(new QLabel(caption, bar), 1);
            w = bar;
            break;
        }
        case Kind::Line: {
            const QPoint from(Px(c.at.left), Px(c.at.top));
            const QPoint to(Px(c.at.left + c.at.width), Px(c.at.top + c.at.height));
            w = SketchShape::line(from, to, parent);
            break;
        }
        case Kind::Circle:
            w = SketchShape::circle(c.at.px(), parent);
            break;
    }
    w->setObjectName(QString::fromLatin1(c.name));
    // A sketch has placed itself and never takes the focus.
    if (c.kind == Kind::Line || c.kind == Kind::Circle) return w;
    if (c.kind == Kind::StatusBar) {
        const int h = c.at.height > 0 ? Px(c.at.height) : 20;
        w->setGeometry(0, height() - h, width(), h);
    } else {
        w->setGeometry(c.at.px());
    }
    if (c.kind != Kind::Label && c.kind != Kind::Frame && c.kind != Kind::StatusBar &&
        c.kind != Kind::Picture)
        default_.watch(w);
    return w;
}

void CalcForm::build(std::span<const Control> controls) {
    for (const Control& c : controls) create(c);
}

void CalcForm::addTitle(const Title& title) { AddRaisedTitle(title, this); }

QWidget* CalcForm::control(const char* name) const { return findChild<QWidget*>(QString::fromLatin1(name)); }
QLineEdit* CalcForm::box(const char* name) const { return findChild<QLineEdit*>(QString::fromLatin1(name)); }
QPushButton* CalcForm::button(const char* name) const {
    return findChild<QPushButton*>(QString::fromLatin1(name));
}
QLabel* CalcForm::label(const char* name) const { return findChild<QLabel*>(QString::fromLatin1(name)); }
QRadioButton* CalcForm::option(const char* name) const {
    return findChild<QRadioButton*>(QString::fromLatin1(name));
}
QComboBox* CalcForm::list(const char* name) const { return findChild<QComboBox*>(QString::fromLatin1(name)); }
QGroupBox* CalcForm::frame(const char* name) const {
    return findChild<QGroupBox*>(QString::fromLatin1(name));
}

BoxSet CalcForm::boxes(std::initializer_list<const char*> names) const {
    std::vector<QLineEdit*> found;
    for (const char* name : names) {
        QLineEdit* b = box(name);
        Q_ASSERT_X(b, "CalcForm::boxes", name);
        found.push_back(b);
    }
    return BoxSet(std::move(found));
}

void CalcForm::onClick(const char* name, std::function<void()> handler) {
    QPushButton* b = button(name);
    Q_ASSERT_X(b, "CalcForm::onClick", name);
    connect(b, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

void CalcForm::clearButton(const char* buttonName, const char* boxName) {
    QLineEdit* target = box(boxName);
    onClick(buttonName, [target] { target->setText(QString()); });
    // Named "Clear " and its box's name once the boxes are named (see finish()).
    clearButtons_.emplace_back(button(buttonName), target);
}

void CalcForm::onFocusIn(QWidget* control, std::function<void()> handler) {
    control->installEventFilter(this);
    focusIn_.emplace_back(control, std::move(handler));
}

void CalcForm::onFocusOut(QWidget* control, std::function<void()> handler) {
    control->installEventFilter(this);
    focusOut_.emplace_back(control, std::move(handler));
}

bool CalcForm::eventFilter(QObject* watched, QEvent* event) {
    const auto run = [watched](const auto& handlers) {
        for (const auto& [object, handler] : handlers)
            if (object == watched) handler();
    };
    if (event->type() == QEvent::FocusIn)
        run(focusIn_);
    else if (event->type() == QEvent::FocusOut)
        run(focusOut_);
    return QWidget::eventFilter(watched, event);
}

void CalcForm::reportFault(const Fault& fault) {
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), QString::fromStdString(fault.describe()),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("faultReport"));
    box.setAccessibleName(windowTitle());
    box.setAccessibleDescription(box.text());
    box.exec();
}

void CalcForm::writeBack(const BoxSet& boxes, const Outcome& outcome) {
    boxes.write(outcome.boxes);
    if (outcome.fault) reportFault(*outcome.fault);
}

void CalcForm::setTabOrder(std::initializer_list<const char*> names) {
    QWidget* previous = nullptr;
    tabOrder_.clear();
    for (const char* name : names) {
        QWidget* w = control(name);
        Q_ASSERT_X(w, "CalcForm::setTabOrder", name);
        tabOrder_.append(QString::fromLatin1(name));
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

bool CalcForm::event(QEvent* event) {
    if (event->type() == QEvent::Polish && !finished_) finish();
    return QWidget::event(event);
}

void CalcForm::finish() {
    finished_ = true;
    GrowToFitText(this);
    NameFromCaptions(this);
    for (const auto& [button, box] : clearButtons_) {
        if (!button || !box || !button->accessibleName().isEmpty()) continue;
        const QString quantity = box->accessibleName().isEmpty() ? box->objectName() : box->accessibleName();
        button->setAccessibleName(tr("Clear %1").arg(quantity));
    }
    if (tabOrder_.isEmpty()) {
        const auto order = ReadingOrder(this);
        for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

}  // namespace ampora
