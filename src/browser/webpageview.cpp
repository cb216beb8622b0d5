#include "browser/webpageview.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace qarnivo {

namespace {

class WebPageView : public QWebEngineView, public PageView {
public:
    explicit WebPageView(QWidget *parent)
        : QWebEngineView(parent), m_profile(new QWebEngineProfile(this)) // no name: off the record
    {
        m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        setPage(new QWebEnginePage(m_profile, this));
        setObjectName(QStringLiteral("WebBrowser1"));
        setAccessibleName(
            QCoreApplication::translate("AccessibleName", "Sunrise, sunset and Zawal page"));
        setContextMenuPolicy(Qt::NoContextMenu);
    }
    // The page goes before its profile.
    ~WebPageView() override { delete page(); }

    QWidget *widget() override { return this; }
    void load(const QUrl &address) override { QWebEngineView::load(address); }
    void setHtml(const QString &html) override { QWebEngineView::setHtml(html); }
    void stop() override { QWebEngineView::stop(); }

private:
    QWebEngineProfile *m_profile;
};

} // namespace

PageView *MakeWebPageView(QWidget *parent)
{
    return new WebPageView(parent);
}

} // namespace qarnivo
