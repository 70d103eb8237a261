#pragma once

#include "core/form.h"

#include <QList>

namespace core {
class Browser;
}

namespace generators {

// A bordered strip of scrolling text, one marquee or two, tried out in the
// browser across the top of the window.
class Tfrmtext : public core::Form {
    Q_OBJECT
public:
    Tfrmtext();

private:
    void showSecondText(bool shown);
    QString strip() const;

    core::Browser* m_browser = nullptr;
    QList<QWidget*> m_secondText;
    // The border style and the single marquee's direction the combos chose last.
    QString m_style = QStringLiteral("dotted");
    QString m_direction = QStringLiteral("right");
};

} // namespace generators
