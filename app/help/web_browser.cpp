// The help plugin: the help viewer's browser on QtWebEngine, and the help manual itself
// as a resource (qrc:/ampora/help.html). Only this library links the web engine.

#include "app/help_browser.h"

#include <QCoreApplication>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace ampora {
namespace {

class WebBrowser : public QWebEngineView, public HelpBrowser {
public:
    explicit WebBrowser(QWidget* parent)
        : QWebEngineView(parent),
          // A profile without a storage name is off the record: no cache, cookies or
          // history on disk. It must outlive its page, so the application holds it and
          // it goes only after this view (and with it the page) is gone.
          profile_(new QWebEngineProfile(QCoreApplication::instance())) {
        setPage(new QWebEnginePage(profile_, this));
        connect(this, &QWebEngineView::loadStarted, this, [this] { busy_ = true; });
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
        profile_->deleteLater();
    }

    QWidget* widget() override { return this; }
    void setNotifications(Notifications notifications) override { notifications_ = std::move(notifications); }

    void navigate(const QUrl& address) override { setUrl(address); }
    void goBack() override { back(); }
    void goForward() override { forward(); }
    void refresh() override { reload(); }
    void stop() override {
        QWebEngineView::stop();
        busy_ = false;
    }

    bool isBusy() const override { return busy_; }
    QString locationName() const override {
        const QString name = title();
        return name.isEmpty() ? url().toString() : name;
    }

private:
    QWebEngineProfile* profile_;
    Notifications notifications_;
    bool busy_ = false;
};

}  // namespace
}  // namespace ampora

extern "C" Q_DECL_EXPORT ampora::HelpBrowser* ampora_create_help_browser(QWidget* parent) {
    return new ampora::WebBrowser(parent);
}
