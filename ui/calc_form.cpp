// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc_form.h"

#include "classic_frame.h"
#include "core/component_list.h"
#include "core/control_list.h"
#include "core/form_layout.h"
#include "drawing_image.h"
#include "form_accessibility.h"
#include "message_box.h"
#include "raised_title.h"
#include "sketch_shape.h"
#include "text_fit.h"
#include "working.h"
#include "wrap_button.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace ampora {
namespace {

// The face of classic buttons and dialogs.
const QColor kButtonFace(0xD4, 0xD0, 0xC8);

// The forms are drawn on the grey of classic button faces, with black text, whatever the
// desktop's palette, so that the white copy of a raised title stands out. Every colour
// they draw with is set here, in all three groups, so that no text lands light on light or
// dark on dark under a dark desktop; the bevels, the default button's tint and the tool
// tip colours are those of Qt's standard palette, which the forms have always shown. The
// main window, its menus and the help viewer follow the desktop, and so do tool tips and,
// under styles that draw it as a menu, a list's pop-up: each takes a whole palette of its
// own from the desktop, so its text keeps its contrast.
//
// The palette is the application's palette for every form, set once, not one set on each
// form: the style caches drawn buttons under the palette's identity, and a palette of each
// form's own would add new entries (and their keys, which the cache keeps) with every form
// opened.
void UseFacePalette() {
    // Qt forgets the palettes of classes when the style, the desktop theme or the
    // application's palette changes: then the forms' palette is the application's again.
    const char* forms = CalcForm::staticMetaObject.className();
    if (!QApplication::palette(forms).isCopyOf(QApplication::palette())) return;
    const QColor grey(0x80, 0x80, 0x80);  // classic disabled text
    struct Role {
        QPalette::ColorRole role;
        QColor normal, disabled;
    };
    const Role roles[] = {
        {QPalette::Window, kButtonFace, kButtonFace},
        {QPalette::WindowText, Qt::black, grey},
        {QPalette::Base, Qt::white, QColor(0xef, 0xef, 0xef)},
        {QPalette::AlternateBase, QColor(0xf7, 0xf7, 0xf7), QColor(0xf7, 0xf7, 0xf7)},
        {QPalette::Text, Qt::black, grey},
        // Opaque and dark enough to read (5 : 1 on white), unlike half-transparent black.
        {QPalette::PlaceholderText, QColor(0x6f, 0x6f, 0x6f), grey},
        {QPalette::Button, kButtonFace, kButtonFace},
        {QPalette::ButtonText, Qt::black, grey},
        {QPalette::BrightText, Qt::white, Qt::white},
        {QPalette::Light, Qt::white, Qt::white},
        {QPalette::Midlight, QColor(0xca, 0xca, 0xca), QColor(0xca, 0xca, 0xca)},
        {QPalette::Mid, QColor(0xb8, 0xb8, 0xb8), QColor(0xb8, 0xb8, 0xb8)},
        {QPalette::Dark, QColor(0x9f, 0x9f, 0x9f), QColor(0xbe, 0xbe, 0xbe)},
        {QPalette::Shadow, QColor(0x76, 0x76, 0x76), QColor(0xb1, 0xb1, 0xb1)},
        // Selected text is black: white on this blue reads at only 3.7 : 1.
        {QPalette::Highlight, QColor(0x30, 0x8c, 0xc6), QColor(0x91, 0x91, 0x91)},
        {QPalette::HighlightedText, Qt::black, Qt::black},
        {QPalette::ToolTipBase, QColor(0xff, 0xff, 0xdc), QColor(0xff, 0xff, 0xdc)},
        {QPalette::ToolTipText, Qt::black, Qt::black},
        {QPalette::Link, Qt::blue, Qt::blue},
        {QPalette::LinkVisited, Qt::magenta, Qt::magenta},
    };
    QPalette face;
    for (const Role& r : roles) {
        face.setColor(QPalette::Active, r.role, r.normal);
        face.setColor(QPalette::Inactive, r.role, r.normal);
        face.setColor(QPalette::Disabled, r.role, r.disabled);
    }
    // A palette that marks no role as set is taken over by each form as it is, without a
    // copy of its own.
    face.setResolveMask(0);
    QApplication::setPalette(face, forms);
}

}  // namespace

CalcForm::CalcForm(const char* name, const QString& caption, QSize client, QWidget* parent)
    : QWidget(parent), default_(this) {
    setProperty(kAccessibleForm, true);
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

CalcForm::CalcForm(const FormDecl& form, QWidget* parent)
    : CalcForm(form.name, QString::fromUtf8(form.caption), QSize(form.client.width, form.client.height),
               parent) {
    declaration_ = &form;
    const ControlList controls(form);
    // A component-list form's own controls come first, then the titles, drawn over them.
    build(controls.added());
    for (const Title& t : form.titles) addTitle(t);
    build(controls.own());
    for (const Control& c : controls.all())
        if (c.kind == Kind::Box) boxes_.emplace_back(c.name, box(c.name));

    for (const LabelFont& f : form.fonts) {
        QFont font(QString::fromUtf8(f.family));
        font.setPointSizeF(f.points);
        label(f.label)->setFont(font);
    }
    for (const char* name : form.rightAligned) label(name)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (const Drawing& d : form.drawings) label(d.picture)->setPixmap(QPixmap::fromImage(DrawingImage(d)));
    if (const auto order = controls.tabOrder(); !order.empty()) setTabOrder(order);

    behaviour_ = std::make_unique<const FormBehaviour>(form);
    view_ = behaviour_->opening();
    for (const auto& [name, chosen] : view_.state.allOptions()) option(name)->setChecked(chosen);
    showView(view_);
    for (const Control& c : controls.all()) {
        if (c.kind == Kind::Button) {
            onClick(c.name, [this, name = std::string(c.name)] { click(name); });
        } else if (c.kind == Kind::Box) {
            // Typing in a box, or a press writing it, may move the default button.
            connect(box(c.name), &QLineEdit::textChanged, this, [this, name = std::string(c.name)] {
                behaviour_->edited(view_, name);
                setDefaultButton(view_.defaultButton);
            });
        }
        if (c.kind == Kind::Box || c.kind == Kind::Button || c.kind == Kind::List || c.kind == Kind::Option) {
            QWidget* w = control(c.name);
            const std::string name = c.name;
            onFocusIn(w, [this, name] {
                behaviour_->focusIn(view_, name);
                setDefaultButton(view_.defaultButton);
            });
            onFocusOut(w, [this, name] {
                behaviour_->focusOut(view_, name);
                setDefaultButton(view_.defaultButton);
            });
        }
    }
    if (!form.presses.empty()) {
        // What every box reads and the parts that fit it, as the engine tells them.
        working_ = new Working(this, boxes_, [this](std::string_view box) {
            FormView view = view_;
            view.state = state();
            std::vector<std::string> lines;
            const auto add = [&](const BoxRead& read) {
                for (std::string& line : ReadLines(read)) lines.push_back(std::move(line));
            };
            if (!box.empty()) add(behaviour_->read(view, box));
            for (const BoxRead& read : box.empty() ? behaviour_->readings(view) : std::vector<BoxRead>())
                add(read);
            return lines;
        });
        // Prefixed input, off whenever the form opens and stored nowhere.
        auto* prefixes = new QAction(tr("Prefixes (4k7, 10\u00b5)"), this);
        prefixes->setObjectName(QStringLiteral("prefixes"));
        prefixes->setCheckable(true);
        connect(prefixes, &QAction::toggled, this, [this](bool on) {
            view_.prefixed = on;
            working_->reread();
        });
        addAction(prefixes);
    }
    if (form.focus) control(form.focus)->setFocus();
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
            auto* b = c.at.height >= kTwoLineHeight ? new WrapButton(caption, parent)
                                                    : new QPushButton(caption, parent);
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
            for (std::string_view entry : ListEntries(c))
                list->addItem(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
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
            w = SketchShape::circle(Px(c.at), parent);
            break;
    }
    w->setObjectName(QString::fromUtf8(c.name));
    // A sketch has placed itself and never takes the focus.
    if (c.kind == Kind::Line || c.kind == Kind::Circle) return w;
    if (c.kind == Kind::StatusBar) {
        const int h = c.at.height > 0 ? Px(c.at.height) : 20;
        w->setGeometry(0, height() - h, width(), h);
    } else {
        w->setGeometry(Px(c.at));
    }
    if (c.kind != Kind::Label && c.kind != Kind::Frame && c.kind != Kind::StatusBar &&
        c.kind != Kind::Picture)
        default_.watch(w);
    return w;
}

void CalcForm::build(std::span<const Control> controls) {
    for (const Control& c : controls) {
        create(c);
        if (!declaration_) built_.push_back(c);
    }
}

void CalcForm::addTitle(const Title& title) {
    AddRaisedTitle(title, this);
    if (!declaration_) titles_.push_back(title);
}

namespace {

template <typename W>
W* Find(const QWidget* form, std::string_view name) {
    return form->findChild<W*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace

QWidget* CalcForm::control(std::string_view name) const { return Find<QWidget>(this, name); }
QLineEdit* CalcForm::box(std::string_view name) const { return Find<QLineEdit>(this, name); }
QPushButton* CalcForm::button(std::string_view name) const { return Find<QPushButton>(this, name); }
QLabel* CalcForm::label(std::string_view name) const { return Find<QLabel>(this, name); }
QRadioButton* CalcForm::option(std::string_view name) const { return Find<QRadioButton>(this, name); }
QComboBox* CalcForm::list(std::string_view name) const { return Find<QComboBox>(this, name); }
QGroupBox* CalcForm::frame(std::string_view name) const { return Find<QGroupBox>(this, name); }

void CalcForm::onClick(std::string_view name, std::function<void()> handler) {
    QPushButton* b = button(name);
    Q_ASSERT_X(b, "CalcForm::onClick", name.data());
    connect(b, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

void CalcForm::clearButton(std::string_view buttonName, std::string_view boxName) {
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

FormState CalcForm::state() const {
    FormState state = FormState::initial(*declaration_);
    for (const auto& [name, box] : boxes_) state.setBox(name, box->text().toStdString());
    for (const auto& [name, chosen] : state.allOptions()) state.setOption(name, option(name)->isChecked());
    for (const auto& [name, entry] : state.allLists())
        state.setList(name, list(name)->currentText().toStdString());
    return state;
}

void CalcForm::writeBack(const FormState& state) {
    for (const auto& [name, box] : boxes_) {
        const QString text = QString::fromStdString(state.box(name));
        if (box->text() == text) continue;
        box->setText(text);
        box->setCursorPosition(0);
    }
}

void CalcForm::click(std::string_view button) {
    view_.state = state();
    const FormView before = view_;
    Steps steps;
    const Clicked clicked = behaviour_->click(view_, button, &steps);
    showView(view_, clicked.changed);
    if (clicked.what != Clicked::Pressed) return;
    steps_ = std::move(steps);
    const Report& report = clicked.report;
    if (working_) {
        std::vector<Message> told;
        if (auto t = Told(*declaration(), report)) told.push_back(std::move(*t));
        working_->record(steps_, SolutionOf(*behaviour_, before, view_, steps_, std::move(told)));
    }
    if (report.fault) reportFault(*report.fault);
    if (report.message)
        ShowMessage(this, QString::fromStdString(report.message->title),
                    QString::fromStdString(report.message->text));
}

void CalcForm::showView(const FormView& view, const std::vector<std::string>& first) {
    for (const std::string& name : first) {
        if (QComboBox* picked = list(name))
            picked->setCurrentIndex(picked->findText(QString::fromStdString(view.state.list(name))));
        else
            box(name)->setText(QString::fromStdString(view.state.box(name)));
    }
    writeBack(view.state);
    for (const Control& c : behaviour_->controls().all()) {
        QWidget* w = control(c.name);
        // A control not hidden shows once its form (or frame) shows.
        const bool shown = !view.isHidden(c.name);
        if (w && w->isVisibleTo(w->parentWidget()) != shown) w->setVisible(shown);
    }
    setDefaultButton(view.defaultButton);
}

void CalcForm::reportFault(const Fault& fault) {
    ShowMessage(this, windowTitle(), QString::fromStdString(fault.describe()), QStringLiteral("faultReport"));
}

void CalcForm::setTabOrder(std::span<const std::string_view> names) {
    QWidget* previous = nullptr;
    tabOrder_.clear();
    for (const std::string_view name : names) {
        QWidget* w = control(name);
        Q_ASSERT_X(w, "CalcForm::setTabOrder", name.data());
        tabOrder_.append(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
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
    if (declaration_) NameFromCaptions(this, *declaration_);
    for (const auto& [button, box] : clearButtons_) {
        if (!button || !box || !button->accessibleName().isEmpty()) continue;
        const QString quantity = box->accessibleName().isEmpty() ? box->objectName() : box->accessibleName();
        button->setAccessibleName(tr("Clear %1").arg(quantity));
    }
    if (tabOrder_.isEmpty()) {
        // Hidden and disabled controls are kept in the chain, so the order holds when they
        // appear.
        const FormDecl built = {
            .name = "", .caption = "", .client = {}, .titles = titles_, .controls = built_};
        const ControlList controls(declaration_ ? *declaration_ : built);
        QWidget* previous = nullptr;
        for (const std::string_view name : ReadingOrder(controls)) {
            QWidget* w = control(name);
            if (!w || (w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus) continue;
            if (previous) QWidget::setTabOrder(previous, w);
            previous = w;
            readingOrder_.append(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        }
    }
}

}  // namespace ampora
