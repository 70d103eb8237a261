#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the picture with comments, as typed; the defaults are the window's.
struct ZtyplInput {
    bool dashedLine = true;                     // until 关闭顶部虚线 (rb3) is chosen
    QString width = QStringLiteral("950px");    // lbl1, set by the shop type
    QString colour = QStringLiteral("#FF4400"); // edt3, of the titles and buttons
    QString mainPicture;                        // medt1
    QString mainLink = QStringLiteral("#");     // medt2
    // The five comments, in order: picture, title, text, button text and button link.
    QStringList pictures, titles, texts, buttonTexts, buttonLinks;

    ZtyplInput();
};

// The block: the dashed line, the main picture on the left and the five
// comments on the right.
QString ztyplSnippet(const ZtyplInput& input);

// A 350 x 350 product picture on the left and five buyer comments with
// buttons on the right, as wide as the shop's page.
class Tfrmztypl : public core::Form {
    Q_OBJECT
public:
    Tfrmztypl();

private:
    ZtyplInput input() const;

    // "关闭顶部虚线" removes the dashed line over the block for the rest of the run.
    bool m_dashedLine = true;
};

} // namespace generators
