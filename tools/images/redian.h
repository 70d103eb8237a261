#pragma once

#include "core/form.h"

#include <QMap>

class QScrollArea;

namespace tools {

// Hotspot map editor: one picture, a grid of rectangular hotspots over it in
// one of six fixed layouts, one link per hotspot, emitted as an image map.
class Tfrmredian : public core::Form {
    Q_OBJECT
public:
    Tfrmredian();

    // The page shown for a submitted picture and the page of the last code.
    static QString picturePage();
    static QString hotspotPage();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void submit();
    void fill(int layout);
    void extract(int layout);
    QString code(int layout) const;
    QString outlinedPage(int layout, const QString& code) const;
    void showPage(const QString& page);
    QString value(const QString& token) const;

    QMap<QString, QString> m_computed; // A, B1 to B3, C1, C2, D1, D2 of the last submission
    core::Browser* m_browser = nullptr;
    QScrollArea* m_strip = nullptr;
    int m_wheelDelta = 0;
};

} // namespace tools
