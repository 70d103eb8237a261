#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace generators {

// The fields of the video banner, as typed; the defaults are the window's.
struct QuanpingshipinInput {
    QString background;                          // edt8, the picture's address
    QString width = QStringLiteral("1920");      // edt1
    QString height = QStringLiteral("500");      // edt2, a number
    QString video;                               // edt3
    QString videoWidth = QStringLiteral("584");  // edt4
    QString videoHeight = QStringLiteral("365"); // edt5
    QString left = QStringLiteral("668");        // edt6, the player's left edge
    QString top = QStringLiteral("70");          // edt7, the player's top edge, a number

    QuanpingshipinInput();
};

// The background picture with the player placed over it. Fails where the
// height or the top edge is no number.
QString quanpingshipinSnippet(const QuanpingshipinInput& input);

// A video player of any size placed over a background picture, tried out in
// the window's own web view.
class Tfrmquanpingshipin : public core::Form {
    Q_OBJECT
public:
    Tfrmquanpingshipin();

private:
    QuanpingshipinInput input() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
