#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace generators {

// The fields of the full-screen countdown, as typed; the defaults are the window's.
struct DaojishiInput {
    QString end = QStringLiteral("2014-11-12"); // edt1, the end day as typed
    QString height = QStringLiteral("92");      // edt2, of the box and its cells
    QString boxPicture =
        QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/countdown-358x92.png");             // edt3
    QString poster = QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/poster-1920x400.jpg"); // edt6
    QString posterHeight = QStringLiteral("400");                                                     // edt5
    QString top = QStringLiteral("0");  // edt4, the box's offsets in the page area
    QString left = QStringLiteral("0"); // edt7
    // mmo1: the countdown as built last (生成倒计时, 确定该位置), or its placeholder.
    QString countdown = QStringLiteral("mmo1\r\n");
};

// The countdown box at its offsets, counting down to midnight of the end day.
QString daojishiCountdown(const DaojishiInput& input);

// The full-screen output: the poster layer and the countdown as built last.
QString daojishiFullScreen(const DaojishiInput& input);

// The position preview: the box's picture at its offsets over the poster.
QString daojishiPositionPage(const DaojishiInput& input);

// A countdown box placed at a chosen position over a 1920-px full-screen
// poster, built step by step with a position preview in the web view.
class Tfrmdaojishi : public core::Form {
public:
    Tfrmdaojishi();

private:
    DaojishiInput input() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
