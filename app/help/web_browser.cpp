// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help plugin: the help viewer's browser on QtWebEngine, and the help manual itself
// as a resource (qrc:/ampora/help.html). Only this library links the web engine.

#include "app/help_browser.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace ampora {
namespace {

// The help viewers' profile. A profile without a storage name is off the record: no
// cache, cookies or history on disk. It must outlive every page that uses it, so the
// application owns it.
QWebEngineProfile* HelpProfile() {
    static QPointer<QWebEngineProfile> profile;
    if (!profile) profile = new QWebEngineProfile(QCoreApplication::instance());
    return profile;
}

class WebBrowser : public QWebEngineView, public HelpBrowser {
public:
    explicit WebBrowser(QWidget* parent) : QWebEngineView(parent) {
        setPage(new QWebEnginePage(HelpProfile(), this));
        connect(this, &QWebEngineView::loadStarted, this, [this] {
            busy_ = true;
            if (notifications_.loadStarted) notifications_.loadStarted();
        });
        connect(this, &QWebEngineView::loadFinished, this, [this](bool) {
            busy_ = false;
            if (notifications_.downloadComplete) notifications_.downloadComplete();
        });
        connect(this, &QWebEngineView::urlChanged, this, [this](const QUrl& address) {
            if (notifications_.navigateComplete) notifications_.navigateComplete(address);
        });
        // A title that arrives after the load finished still reaches the caption.
        connect(this, &QWebEngineView::titleChanged, this, [this] {
            if (!busy_ && notifications_.downloadComplete) notifications_.downloadComplete();
        });
    }

    ~WebBrowser() override {
        notifications_ = {};
        delete page();
    }

    // Takes the browser over for a new viewer: the old viewer's pages are forgotten.
    void adopt(QWidget* parent) {
        setParent(parent);
        page()->history()->clear();
        show();
    }

    void recycle() override;

    QWidget* widget() override { return this; }
    void setNotifications(Notifications notifications) override { notifications_ = std::move(notifications); }

    void navigate(const QUrl& address) override { setUrl(address); }
    bool goBack() override {
        if (!history()->canGoBack()) return false;
        back();
        return true;
    }
    bool goForward() override {
        if (!history()->canGoForward()) return false;
        forward();
        return true;
    }
    bool refresh() override {
        if (url().isEmpty()) return false;
        reload();
        return true;
    }
    void stop() override {
        QWebEngineView::stop();
        busy_ = false;
    }

    QString locationName() const override {
        const QString name = title();
        return name.isEmpty() ? url().toString() : name;
    }

private:
    Notifications notifications_;
    bool busy_ = false;  // a page is loading
};

// The browser a closed viewer left behind. Every new browser page is a web contents of
// its own in the engine, which keeps part of it for the rest of the run: reusing one
// view keeps the memory of a run that opens and closes help many times where it was
// after the first time.
QPointer<WebBrowser>& Spare() {
    static QPointer<WebBrowser> spare;
    return spare;
}

void WebBrowser::recycle() {
    notifications_ = {};
    stop();
    // The main window keeps it, hidden, and deletes it when it goes. A viewer that is a
    // window of its own has no keeper, and its browser goes with it.
    // One spare is enough: a viewer closed while another browser is already waiting lets
    // its own go.
    QWidget* keeper = window();
    if (keeper == parentWidget() || keeper == this || Spare()) return;
    hide();
    setObjectName(QString());
    setParent(keeper);
    Spare() = this;
}

}  // namespace
}  // namespace ampora

extern "C" Q_DECL_EXPORT ampora::HelpBrowser* ampora_create_help_browser(QWidget* parent) {
    if (ampora::WebBrowser* spare = ampora::Spare()) {
        ampora::Spare() = nullptr;
        spare->adopt(parent);
        return spare;
    }
    return new ampora::WebBrowser(parent);
}
