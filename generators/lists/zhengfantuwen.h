#pragma once

#include "generators/lists/hovereffects.h"

#include <QStringList>

namespace generators {

// The fields of a row of front/back pictures as the window holds them; the
// defaults are the window's (no shop type chosen yet: an ordinary shop's
// sizes).
struct ZhengfanTuwenInput {
    int pictures = 4;                                                    // 3 or 4: the window
    QString width = QStringLiteral("950");                               // lbl2, the block
    QString pictureWidth;                                                // lbl3
    QString height = QStringLiteral("350");                              // edt1, the pictures and the block
    QString background = QStringLiteral("none");                         // edt14, the 1920 px strip's colour
    QString backgroundPicture = QStringLiteral("none");                  // edt15, its picture
    QString panelColour = QStringLiteral("#000");                        // edt20
    QString textColour = QStringLiteral("#fff");                         // edt21
    QString trigger = QStringLiteral("most-footer footer-more-trigger"); // lbl12, the skin's trigger class
    QString shift = QStringLiteral("0"); // lbl13, the third container's left offset
    // Picture k (from 0): edt(3k+2), edt(3k+3), edt(3k+4), edt(16+k).
    QStringList pictureAddresses, texts, links, prices;

    explicit ZhengfanTuwenInput(int pictures = 4);
};

// The containers with the background strip, then one block per picture whose
// panel the shop skin shows under the pointer.
QString zhengfanTuwenSnippet(const ZhengfanTuwenInput& input);

// One row of product pictures; while the pointer rests on one, the shop skin
// shows a dark panel with its text, price and a buy button over it.
class ZhengfanTuwenForm : public hover::HoverForm {
    Q_OBJECT
protected:
    ZhengfanTuwenForm(const QString& className, const QString& caption, int pictures);

private:
    void showBlockHeight();
    ZhengfanTuwenInput input() const;

    int m_pictures;
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
