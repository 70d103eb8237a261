#pragma once

#include "core/form.h"

#include <QStringList>

namespace tools {

// The fields of the search strip, as typed; the defaults are the window's.
struct SsInput {
    QString shop = QStringLiteral("https://qingwu360.taobao.com"); // medt1
    QString border = QStringLiteral("边框");        // cbb1, its width
    QString borderColour = QStringLiteral("#ccc");  // edt2
    QString back = QStringLiteral("#eee");          // edt3
    QString textColour = QStringLiteral("#333");    // edt5
    QString title = QStringLiteral("店内搜索");     // edt9
    QString keyword = QStringLiteral("青梧掌柜");   // edt1
    QString keywordColour = QStringLiteral("#333"); // edt4
    QString button = QStringLiteral("搜索");        // edt6
    QString buttonColour = QStringLiteral("#333");  // edt7
    QString buttonText = QStringLiteral("#fff");    // edt8
    // The keyword links: words edt10, edt13, edt15; colours edt11, edt12, edt14.
    QStringList words = {QStringLiteral("关键词一"), QStringLiteral("关键词二"), QStringLiteral("关键词三")};
    QStringList wordColours = QStringList(3, QStringLiteral("#333"));
    // The free links: names edt16, edt19, edt21; colours edt17, edt18, edt20; addresses edt22 to edt24.
    QStringList linkNames = QStringList(3);
    QStringList linkColours = QStringList(3, QStringLiteral("#333"));
    QStringList linkAddresses = QStringList(3, QStringLiteral("#"));
};

// The 50 px strip: hot keywords and free links, then the search form.
QString ssSnippet(const SsInput& input);

// A fixed 50 px search strip for the shop: title, keyword field, price range,
// button, three keyword links and three free links.
class Tfrmss : public core::Form {
    Q_OBJECT
public:
    Tfrmss();

private:
    SsInput input() const;
};

} // namespace tools
