#pragma once

#include "core/form.h"

#include <QList>

namespace core {
class Browser;
}

namespace generators {

// The fields of the scrolling text strip, as chosen and typed; the defaults
// are the window's.
struct TextInput {
    bool twoWay = false;                            // 双向 (rb2) rather than 单向 (rb1)
    QString direction = QStringLiteral("right");    // the single marquee's, as cbb1 chose it last
    QString pattern;                                // cbb6, the two marquees' pattern
    QString speed = QStringLiteral("速度");         // cbb5
    QString fontSize = QStringLiteral("12px");      // cbb2
    QString textColour = QStringLiteral("#000");    // edt1
    QString background = QStringLiteral("#fff");    // edt3
    QString border = QStringLiteral("#333");        // edt4
    QString height = QStringLiteral("30");          // edt2, an integer
    QString borderWidth = QStringLiteral("1px");    // cbb3
    QString borderStyle = QStringLiteral("dotted"); // as cbb4 chose it last
    QString text1 = QStringLiteral("公告信息：青梧美工新功能滚动文字"); // edt6
    QString link1 = QStringLiteral("#");                                // edt5
    QString text2 = QStringLiteral("公告信息：青梧美工新功能滚动文字"); // edt7
    QString link2 = QStringLiteral("#");                                // edt8
};

// The strip for the chosen mode; a null text when the two-marquee pattern is
// none of the four. Fails when the height is no integer.
QString textSnippet(const TextInput& input);

// A bordered strip of scrolling text, one marquee or two, tried out in the
// browser across the top of the window.
class Tfrmtext : public core::Form {
    Q_OBJECT
public:
    Tfrmtext();

private:
    void showSecondText(bool shown);
    TextInput input() const;

    core::Browser* m_browser = nullptr;
    QList<QWidget*> m_secondText;
    // The border style and the single marquee's direction the combos chose last.
    QString m_style;
    QString m_direction;
};

} // namespace generators
