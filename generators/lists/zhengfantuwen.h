#pragma once

#include "generators/lists/hovereffects.h"

#include <QStringList>

namespace generators {

// One row of product pictures; while the pointer rests on one, the shop skin
// shows a dark panel with its text, price and a buy button over it.
class ZhengfanTuwenForm : public hover::HoverForm {
    Q_OBJECT
public:
    // What differs between the three- and the four-picture row.
    struct Row {
        int pictures;
        QString marketWidth; // picture width in an ordinary shop
        QString otherWidth;  // in a Tmall shop
        QStringList lefts;   // left offset of each picture
        QString indent;      // left margin of the buy button
    };

protected:
    ZhengfanTuwenForm(const QString& className, const QString& caption, const Row& row);

private:
    void showBlockHeight();
    QString pictureBlock(int k) const;
    QString snippet() const;

    Row m_row;
};

class Tfrmzhengfantuwen4 : public ZhengfanTuwenForm {
    Q_OBJECT
public:
    Tfrmzhengfantuwen4();
};

class Tfrmzhengfantuwen3 : public ZhengfanTuwenForm {
    Q_OBJECT
public:
    Tfrmzhengfantuwen3();
};

} // namespace generators
