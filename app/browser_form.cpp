// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browser_form.h"

#include "ui/control_table.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMdiSubWindow>
#include <QPointer>
#include <QResizeEvent>
#include <QStyle>
#include <QToolBar>

namespace ampora {
namespace {

// The design rectangle of the browser; only its size follows the window.
constexpr Twips kBrowser = {45, 615, 5400, 4335};
constexpr int kToolBarHeight = 540;
constexpr Twips kAddress = {0, 540, 6540, 675};
constexpr QSize kDesignClient = {6540, 5130};

struct ToolButton {
    const char* key;
    QStyle::StandardPixmap icon;
};

const ToolButton kButtons[] = {
    {"Back", QStyle::SP_ArrowBack},
    {"Forward", QStyle::SP_ArrowForward},
    {"Stop", QStyle::SP_BrowserStop},
    {"Refresh", QStyle::SP_BrowserReload},
};

// The toolbar's icons, made once for the run and shared by every viewer. An icon made
// afresh for each viewer would leave the drawn copies of the old ones behind in the
// application's pixmap cache, under keys that are never used again.
QIcon ToolIcon(const QStyle* style, std::size_t i) {
    struct Icons : QObject {
        QIcon icons[std::size(kButtons)];
    };
    static QPointer<Icons> shared;
    if (!shared) {
        shared = new Icons;
        shared->setParent(QCoreApplication::instance());
        for (std::size_t b = 0; b < std::size(kButtons); ++b)
            shared->icons[b] = style->standardIcon(kButtons[b].icon);
    }
    return shared->icons[i];
}

}  // namespace

BrowserForm::BrowserForm(MakeBrowser make, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(QString());
    setAttribute(Qt::WA_DeleteOnClose);

    picAddress_ = new QWidget(this);
    picAddress_->setObjectName(QStringLiteral("picAddress"));
    picAddress_->setGeometry(Px(kAddress));

    tbToolBar_ = new QToolBar(this);
    tbToolBar_->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar_->setIconSize(QSize(24, 24));
    tbToolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbToolBar_->setMovable(false);
    tbToolBar_->setGeometry(0, 0, Px(kDesignClient.width()), Px(kToolBarHeight));
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        const QString key = QString::fromLatin1(kButtons[i].key);
        QAction* action = tbToolBar_->addAction(ToolIcon(style(), i), key);
        action->setObjectName(key);
        action->setToolTip(key);
    }
    connect(tbToolBar_, &QToolBar::actionTriggered, this,
            [this](QAction* action) { runCommand(action->objectName()); });

    if (make) browser_ = make(this);
    if (browser_) {
        QWidget* view = browser_->widget();
        view->setObjectName(QStringLiteral("brwWebBrowser"));
        view->setGeometry(Px(kBrowser));
        browser_->setNotifications({
            [this] { loadStarted(); },
            [this] { loadFinished(); },
            [this](const QUrl&) { moved(); },
        });
    }

    // The design size; the resize event lays the browser out.
    resize(Px(kDesignClient.width()), Px(kDesignClient.height()));
}

BrowserForm::~BrowserForm() {
    if (browser_) browser_->recycle();
}

void BrowserForm::navigate(const QUrl& address) {
    // A page opened from the menu loads without "Working...".
    command_ = Command::None;
    if (browser_) browser_->navigate(address);
}

QSize BrowserForm::sizeHint() const { return {Px(kDesignClient.width()), Px(kDesignClient.height())}; }

QSize BrowserForm::outerSize() const {
    // Inside the main window the child's frame is its outer edge.
    if (auto* frame = qobject_cast<const QMdiSubWindow*>(parentWidget())) return frame->size();
    return frameGeometry().size();
}

// The browser's left and top stay; its size follows the window's outer size in twips.
void BrowserForm::layOutBrowser() {
    const QSize outer = outerSize();
    const int w = outer.width() * kTwipsPerPixel, h = outer.height() * kTwipsPerPixel;
    if (w < 200 || h < 200 || !browser_) return;
    QWidget* view = browser_->widget();
    view->resize(Px(w - 200), view->height());
    // A window too low for any browser leaves the height as it was.
    if (h - 1200 >= 0) view->resize(view->width(), Px(h - 1200));
}

void BrowserForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    tbToolBar_->resize(width(), tbToolBar_->height());
    picAddress_->resize(width(), picAddress_->height());
    layOutBrowser();
}

void BrowserForm::runCommand(const QString& key) {
    if (!browser_) return;
    if (key == QLatin1String("Stop")) {
        command_ = Command::None;
        browser_->stop();
        showLocationName();
        return;
    }
    bool (HelpBrowser::*go)() = nullptr;
    if (key == QLatin1String("Back"))
        go = &HelpBrowser::goBack;
    else if (key == QLatin1String("Forward"))
        go = &HelpBrowser::goForward;
    else if (key == QLatin1String("Refresh"))
        go = &HelpBrowser::refresh;
    if (!go) return;
    // Given before the call: a browser may report the load's start before it returns.
    command_ = Command::Given;
    if (!(browser_->*go)()) {
        // Nothing to go to: no load starts, and the caption names the page shown.
        command_ = Command::None;
        showLocationName();
    }
}

void BrowserForm::loadStarted() {
    if (command_ != Command::Given) return;
    command_ = Command::Loading;
    setWindowTitle(QStringLiteral("Working..."));
}

void BrowserForm::loadFinished() {
    // A load that ends while the command's has yet to start (one it cut short) leaves the
    // command waiting for its own.
    if (command_ == Command::Loading) command_ = Command::None;
    showLocationName();
}

void BrowserForm::moved() {
    // A command's page keeps "Working..." until it has loaded. A command that moved
    // within the page shown started no load: it is done.
    if (command_ == Command::Loading) return;
    command_ = Command::None;
    showLocationName();
}

void BrowserForm::showLocationName() {
    if (browser_) setWindowTitle(browser_->locationName());
}

}  // namespace ampora
