// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "splash.h"

#include "core/conversions.h"
#include "ui/control_table.h"
#include "ui/raised_title.h"
#include "ui/sketch_shape.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

namespace ampora {
namespace {

struct LoadingStep {
    const char* caption;
    int progress;
};

// The loading sequence, one row per tick from the first.
const LoadingStep kSteps[] = {
    {"Module", 4},
    {"Module", 8},
    {"Engineering Tools", 15},
    {"Components", 25},
    {"Computing Engine", 33},
    {"Computing Engine", 40},
    {"Computing Engine", 47},
    {"Computing Engine", 60},
    {"Formula...", 69},
    {"Formula...", 77},
    {"Formula...", 82},
    {"Formula...", 85},
    {"Starting Program...", 100},
};

// The tick that opens the main window, counted from 0: the 31st.
constexpr int kHandOverTick = 30;

// The name in capitals, a large initial and the rest smaller on one bottom line so they
// read as one word, and the subtitle; each with a white copy 20 twips up and to the left,
// drawn over the rings.
// clang-format off
const Title kSplashTitles[] = {
    {"Label1", "Label11", "A", {2040, 480, 360, 615}, 20, 20.25, false, kTextColour, "Arial", true, false},
    {"Label2", "Label12", "MPORA", {2400, 480, 2535, 615}, 20, 15.75, false, kTextColour, "Arial", true, false},
    {"Label8", "Label19", "(In S.I. Units)", {3240, 1920, 1935, 375}, 20, 12, false, kTextColour, "Verdana",
     false, false},
};
// clang-format on

QLabel* PlainLabel(QWidget* parent, const char* name, const QString& text, Twips at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(Px(at));
    return label;
}

}  // namespace

QString Splash::versionCaption(int major, int minor, int revision) {
    return QStringLiteral("Version ") + QString::fromStdString(IntegerToText(major)) + QLatin1Char('.') +
           QString::fromStdString(IntegerToText(minor)) + QLatin1Char('.') +
           QString::fromStdString(IntegerToText(revision));
}

Splash::Splash(std::function<void()> openMain, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint), openMain_(std::move(openMain)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    setFixedSize(Px(7380), Px(4245));
    setFocusPolicy(Qt::StrongFocus);
    // Closing ends the splash: once closed it is deleted, timer, controls and all.
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(Px(Twips{120, 120, 7080, 3435}));

    // Decoration first, so the title is drawn over it.
    SketchShape::ring(Px(Twips{0, 360, 1575, 1215}), Qt::red, frame)->setObjectName(QStringLiteral("Shape1"));
    SketchShape::ring(Px(Twips{240, 600, 1575, 1215}), Qt::blue, frame)
        ->setObjectName(QStringLiteral("Shape2"));
    SketchShape::ring(Px(Twips{600, 120, 1575, 1215}), QColor(0x80, 0x00, 0x80), frame)
        ->setObjectName(QStringLiteral("Shape3"));
    SketchShape::ring(Px(Twips{840, 360, 1575, 1215}), QColor(0x80, 0xff, 0xff), frame)
        ->setObjectName(QStringLiteral("Shape4"));
    for (const Title& title : kSplashTitles) AddRaisedTitle(title, frame);

    lblVersion_ = PlainLabel(frame, "lblVersion", QStringLiteral("Version 1.0"), {5400, 2400, 1275, 285});
    QFont versionFont(QStringLiteral("Arial"));
    versionFont.setPointSizeF(12);
    versionFont.setBold(true);
    lblVersion_->setFont(versionFont);

    PlainLabel(this, "Label9", QStringLiteral("Progress:"), {120, 3600, 1095, 255});
    pb1_ = new QProgressBar(this);
    pb1_->setObjectName(QStringLiteral("pb1"));
    pb1_->setRange(0, 100);
    pb1_->setValue(0);
    pb1_->setTextVisible(false);
    pb1_->setGeometry(Px(Twips{1320, 3600, 5535, 255}));
    PlainLabel(this, "Label10", QStringLiteral("Loading:"), {120, 3960, 1095, 255});
    load1_ = PlainLabel(this, "load1", QString(), {1320, 3960, 1695, 255});

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &Splash::tick);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }

    lblVersion_->setText(versionCaption(AMPORA_VERSION_MAJOR, AMPORA_VERSION_MINOR, AMPORA_VERSION_PATCH));
    // The run-time caption is longer than the design one: the label grows to the right, and
    // moves left as far as the frame's inner edge would otherwise cut the caption off.
    lblVersion_->resize(std::max(lblVersion_->width(), lblVersion_->sizeHint().width()),
                        lblVersion_->height());
    const int inner = frame->contentsRect().right() - 1;
    if (lblVersion_->geometry().right() > inner)
        lblVersion_->move(std::max(0, inner - lblVersion_->width() + 1), lblVersion_->y());
    timer_->start();
}

void Splash::tick() {
    if (handedOver_) return;
    if (ticks_ < static_cast<int>(std::size(kSteps))) {
        const LoadingStep& step = kSteps[ticks_];
        load1_->setText(QString::fromLatin1(step.caption));
        pb1_->setValue(step.progress);
    }
    if (ticks_ == kHandOverTick) {
        handOver();
        return;
    }
    ++ticks_;
}

void Splash::handOver() {
    if (handedOver_) return;
    handedOver_ = true;
    timer_->stop();
    // The main window opens before the splash closes, so the program always has a window.
    if (openMain_) openMain_();
    close();
}

void Splash::keyPressEvent(QKeyEvent* event) {
    // Any key skips the rest of the sequence.
    event->accept();
    handOver();
}

void Splash::closeEvent(QCloseEvent* event) {
    // The timer stops with the window, whichever way it closes.
    timer_->stop();
    if (!handedOver_) {
        // Closed from outside before the hand-over (for example by the window manager):
        // the program must still end up with its main window.
        handOver();
    }
    event->accept();
}

}  // namespace ampora
