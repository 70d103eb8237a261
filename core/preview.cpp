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
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRectF box = rect();
        if (!m_picture.isNull()) {
            m_picture.paint(p, box);
            core::paintCaptionBand(p, box, text(), std::max(14, static_cast<int>(box.height() / 10)), font());
            return;
        }
        QLinearGradient fill(box.topLeft(), box.bottomRight());
        fill.setColorAt(0, QColor(0x20, 0x3a, 0x5c));
        fill.setColorAt(1, QColor(0x3f, 0x86, 0xc9));
        p.fillRect(box, fill);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 40));
        const qreal w = box.width(), h = box.height();
        p.drawRect(QRectF(0, h * 0.82, w, h * 0.1));
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(w / 2 - 150 + i * 100, h * 0.82, 96, h * 0.1));
        p.setPen(Qt::white);
        QFont font = this->font();
        font.setPixelSize(std::max(14, static_cast<int>(h / 8)));
        font.setBold(true);
        p.setFont(font);
        p.drawText(box.adjusted(0, 0, 0, -h * 0.2), Qt::AlignCenter, text());
    }

private:
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
