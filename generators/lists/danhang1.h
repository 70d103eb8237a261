#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace generators {

// The fields of one column of the two-column block, as typed.
struct Danhang1Column {
    QString picture, link, tag, title, text;
};

// The fields of the two-column block as typed; the defaults are the window's.
struct Danhang1Input {
    QString font = QStringLiteral("Microsoft YaHei"); // cbb1
    QString tagColour = QStringLiteral("#fff");       // edt10
    QString tagBackground = QStringLiteral("#F30");   // edt9
    Danhang1Column left;                              // edt1 to edt4, mmo1
    Danhang1Column right;                             // edt5 to edt8, mmo2

    Danhang1Input();
};

// The left column, then the right one.
QString danhang1Snippet(const Danhang1Input& input);

// Two columns side by side, each a linked picture with a coloured tag, a title
// and a small text; previewed in the window before it is copied.
class Tfrmdanhang1 : public core::Form {
    Q_OBJECT
public:
    Tfrmdanhang1();

private:
    Danhang1Input input() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
