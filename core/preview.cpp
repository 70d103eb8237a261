#include "core/preview.h"

#include "core/files.h"
#include "core/fit.h"
#include "core/form.h"
#include "core/modulepicture.h"
#include "core/platform.h"
#include "core/shopframe.h"
#include "core/text.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace core {

QString workingPage(const QString& relative) {
    return workingFolder() + QStringLiteral("/") + relative;
}

QString sharedPreviewPage() {
    return workingPage(QStringLiteral("files.html"));
}

void makeFolderOf(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
}

void savePageLines(const Form& form, const QString& box, const QString& path) {
    writeTextFile(path, joinLines(form.control<Memo>(box)->lines()));
}

void showPage(Browser*& browser, QWidget* host, const QString& page, int width) {
    if (!browser) browser = platform().createBrowser(host);
    browser->fitWidth(width);
    browser->navigate(page);
}

void showPage(Browser*& browser, QWidget* host, const QString& page) {
    int width = 0;
    if (const auto* form = qobject_cast<const Form*>(host->window()))
        if (const std::optional<ShopFrame> frame = shopFrameOf(*form))
            width = moduleWidth(*frame) + kPageMargins;
    showPage(browser, host, page, width);
}

namespace {

// The picture of the window's module, read when the window is first shown;
// drawn by the program for a window without one.
class PreviewPicture : public QLabel {
public:
    PreviewPicture(const QString& caption, QWidget* parent)
        : QLabel(caption, parent) {}

protected:
    void showEvent(QShowEvent* event) override {
        QLabel::showEvent(event);
        m_picture.load(this, window()->objectName());
        layOutCaption();
    }

    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        layOutCaption();
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        // The picture above, the caption in its own band below it.
        const CaptionedBox split = splitCaption(QRectF(rect()), 14, 18);
        if (!m_picture.isNull()) {
            m_picture.paint(p, split.picture, 1);
        } else {
            const QRectF box = split.picture;
            QLinearGradient fill(box.topLeft(), box.bottomRight());
            fill.setColorAt(0, QColor(0x20, 0x3a, 0x5c));
            fill.setColorAt(1, QColor(0x3f, 0x86, 0xc9));
            p.fillRect(box, fill);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 40));
            const qreal w = box.width(), h = box.height();
            p.drawRect(QRectF(0, h * 0.7, w, h * 0.16));
            for (int i = 0; i < 3; ++i)
                p.drawRect(QRectF(w / 2 - 150 + i * 100, h * 0.2, 96, h * 0.4));
        }
        paintCaption(p, split, text(), font());
    }

private:
    // The caption's font and width on its band are told to whoever checks
    // the layout.
    void layOutCaption() {
        const CaptionedBox split = splitCaption(QRectF(rect()), 14, 18);
        setProperty("paintedCaption", text());
        setProperty("paintedCaptionFont", captionFont(split, text(), font()));
        setProperty("paintedCaptionWidth", static_cast<int>(captionRoom(split)));
    }

    ModulePicture m_picture;
};

} // namespace

QLabel* addPreviewPicture(QWidget* parent, const QRect& geometry, const QString& caption) {
    auto* picture = new PreviewPicture(caption, parent);
    picture->setGeometry(geometry);
    // Some windows write captions over it.
    setBackdrop(picture);
    picture->setProperty("topPicture", true);
    return picture;
}

} // namespace core
