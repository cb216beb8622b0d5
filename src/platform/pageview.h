#pragma once

// The calculator's page in a browser engine. The engine is the largest part
// of the program by far, so it lives in a module of its own that the
// platform loads only when a page is first shown: a calendar that never
// opens the calculator never loads it.

#include <QString>
#include <QUrl>

class QWidget;

namespace qarnivo {

class PageView {
public:
    virtual ~PageView() = default;
    // The view itself, owned by the parent it was made with.
    virtual QWidget *widget() = 0;
    virtual void load(const QUrl &address) = 0;
    virtual void setHtml(const QString &html) = 0;
    virtual void stop() = 0;
};

} // namespace qarnivo
