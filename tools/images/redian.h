#pragma once

#include "core/form.h"

#include <QMap>
#include <QStringList>

class QScrollArea;

namespace tools {

// The fields of a hotspot map, as typed; the defaults are the window's.
struct RedianInput {
    QString picture = QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/hotspot-sample.jpg"); // edt1
    QString width = QStringLiteral("选择类型"); // cbb1
    QString height;                            // edt2
    QString map = QStringLiteral("MAP名");     // cbb2
    // The chosen layout's hotspots in order: the rectangles "x1,y1,x2,y2" and
    // their links (the five of the first layout by default).
    QStringList rectangles = QStringList(5);
    QStringList links = QStringList(5);
};

// The picture with its image map: one area per rectangle.
QString redianSnippet(const RedianInput& input);

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
    RedianInput input(int layout) const;
    QString outlinedPage(int layout, const QString& code) const;
    void showPage(const QString& page);
    QString value(const QString& token) const;

    QMap<QString, QString> m_computed; // A, B1 to B3, C1, C2, D1, D2 of the last submission
    core::Browser* m_browser = nullptr;
    QScrollArea* m_strip = nullptr;
    int m_wheelDelta = 0;
};

} // namespace tools
