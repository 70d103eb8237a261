#include "tools/images/ys.h"

#include "core/addresses.h"
#include "core/failure.h"
#include "core/registry.h"
#include "core/savename.h"
#include "core/text.h"
#include "tools/images/jpegcodec.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QSaveFile>
#include <QScrollArea>
#include <QSpinBox>

namespace tools {

namespace {

const QString kOutOfRange = QStringLiteral("只能输入1——100之间的数!");
// Every file, as the loader may know more kinds than named here, and the usual pictures.
const QString kOpenFilter = QStringLiteral("所有文件 (*);;图片 (*.jpg *.jpeg *.png *.bmp *.gif)");

} // namespace

TFrmys::TFrmys()
    : core::Form(QStringLiteral("TFrmys"), QStringLiteral("无损压缩图片")) {
    setClientSize(482, 310);
    m_pool.setMaxThreadCount(1);

    auto* menu = new QMenuBar(this);
    menu->setGeometry(0, 0, 482, 24);
    const auto item = [&](const QString& name, const QString& caption) {
        auto* action = new QAction(caption, this);
        action->setObjectName(name);
        menu->addAction(action);
    };
    item(QStringLiteral("N1"), QStringLiteral("打开"));
    item(QStringLiteral("N2"), QStringLiteral("保存"));
    item(QStringLiteral("N3"), QStringLiteral("其他"));

    addCaption(this, QRect(10, 34, 80, 22), QStringLiteral("图片压缩比:"));
    m_spin = new QSpinBox(this);
    m_spin->setObjectName(QStringLiteral("SpinEdit1"));
    m_spin->setGeometry(90, 34, 60, 22);
    // Values outside 1 to 100 may be typed; the change handler brings them back.
    m_spin->setRange(-99999, 99999);
    m_spin->setValue(98);
    addCaption(this, QRect(170, 34, 150, 22), QStringLiteral("估算图片存盘时的大小为:"));
    addLabel(this, QStringLiteral("Label3"), QRect(320, 34, 150, 22), QStringLiteral("00Kb"));

    // Beyond the quality: the highest quality whose file fits a size.
    addCaption(this, QRect(10, 62, 80, 22), QStringLiteral("目标大小(KB):"));
    addEdit(this, QStringLiteral("edtTarget"), QRect(90, 62, 60, 22));
    addButton(this, QStringLiteral("btnTarget"), QRect(170, 60, 150, 26), QStringLiteral("按大小求压缩比"));

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollBox1"));
    scroll->setGeometry(10, 92, 462, 208);
    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("Image1"));
    scroll->setWidget(m_picture);

    on(QStringLiteral("SpinEdit1Change"), [this] { qualityChanged(); });
    on(QStringLiteral("N1Click"), [this] {
        // The dialog opens where the last picture came from.
        const QString start = m_source.isEmpty() ? QString() : QFileInfo(m_source).absolutePath();
        const QString path =
            core::platform().openFileName(this, QStringLiteral("打开"), kOpenFilter, {start});
        if (!path.isEmpty()) openPicture(path);
    });
    on(QStringLiteral("N2Click"), [this] { save(); });
    on(QStringLiteral("N3Click"), [] { core::platform().openDefault(core::addresses::compressorMore); });
    on(QStringLiteral("btnTargetClick"), [this] { fitToSize(); });
}

TFrmys::~TFrmys() {
    m_generation->fetch_add(1);
    m_pool.waitForDone();
}

int TFrmys::quality() const {
    return m_spin->value();
}

void TFrmys::openPicture(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        core::fail(QStringLiteral("Unknown picture file format \"%1\": %2").arg(path, reader.errorString()));
    m_input = encoderInput(picture);
    m_source = path;
    m_picture->setPixmap(QPixmap::fromImage(picture));
    m_picture->resize(picture.size());
    refreshEstimate();
}

void TFrmys::qualityChanged() {
    const int value = m_spin->value();
    if (value < 1 || value > 100) {
        message(kOutOfRange);
        // Setting the value runs this handler again with a valid quality.
        m_spin->setValue(value < 1 ? 1 : 100);
        return;
    }
    refreshEstimate();
}

void TFrmys::refreshEstimate() {
    if (m_input.isNull()) return;
    const int generation = m_generation->fetch_add(1) + 1;
    m_pending = true;
    const QImage input = m_input;
    const int q = quality();
    const std::shared_ptr<std::atomic<int>> current = m_generation;
    m_pool.start([this, input, q, current, generation] {
        if (current->load() != generation) return;
        const std::optional<QByteArray> bytes = encodeJpeg(input, q, current.get(), generation);
        if (!bytes) return;
        const qint64 size = bytes->size();
        QMetaObject::invokeMethod(
            this,
            [this, size, current, generation] {
                if (current->load() != generation) return;
                m_pending = false;
                setText(QStringLiteral("Label3"), sizeText(size));
                emit estimateShown();
            },
            Qt::QueuedConnection);
    });
}

void TFrmys::save() {
    if (m_input.isNull()) core::fail(QStringLiteral("没有可以保存的图片：图片是空的，请先打开一张图片。"));
    // Beside the source picture, under its name with "_压缩"; ".jpg" is added
    // to whatever name is chosen.
    const QFileInfo source(m_source);
    const QString path = core::saveNameWithSuffix(
        this, QStringLiteral("保存"), QStringLiteral("jpeg (*.jpg)"), QStringLiteral(".jpg"),
        source.absoluteDir().filePath(source.completeBaseName() + QStringLiteral("_压缩")));
    if (path.isEmpty()) return;
    const std::optional<QByteArray> bytes = encodeJpeg(m_input, quality());
    if (!bytes) core::fail(QStringLiteral("JPEG error: the picture could not be encoded"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit())
        core::fail(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
}

std::optional<int> TFrmys::qualityForSize(qint64 bytes) const {
    std::optional<int> best;
    int low = 1;
    int high = 100;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const std::optional<QByteArray> encoded = encodeJpeg(m_input, middle);
        if (encoded && encoded->size() <= bytes) {
            best = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return best;
}

void TFrmys::fitToSize() {
    const QString typed = text(QStringLiteral("edtTarget"));
    const qint64 kilobytes = core::parseInt(typed);
    if (m_input.isNull()) {
        message(QStringLiteral("请先打开一张图片，再按大小求压缩比！"));
        return;
    }
    if (kilobytes < 1) {
        message(QStringLiteral("目标大小要大于 0 KB！"));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<int> best = qualityForSize(kilobytes * 1000);
    QApplication::restoreOverrideCursor();
    if (!best) {
        message(QStringLiteral("压缩比为 1 时图片仍大于 %1 KB，无法压缩到这个大小！").arg(kilobytes));
        return;
    }
    // A new value refreshes the estimate through the change handler.
    m_spin->setValue(*best);
}

QINGWU_WINDOW(
    TFrmys, {.order = 780,
             .tile = core::Tile{
                 .page = u"tstuiyi1", .row = 5, .column = 2, .image = u"img26", .caption = u"无损压缩图片"}})

} // namespace tools
