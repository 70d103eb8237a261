#pragma once

#include "core/form.h"

#include <QImage>
#include <QThreadPool>
#include <atomic>
#include <memory>

class QLabel;
class QSpinBox;

namespace tools {

// Picture compression: re-encodes a picture as JPEG at the spinner's quality
// and shows beforehand how large the saved file will be.
class TFrmys : public core::Form {
    Q_OBJECT
public:
    TFrmys();
    ~TFrmys() override;

    // Loads a picture as "打开" does; fails with the loader's error and keeps the old one.
    void openPicture(const QString& path);
    int quality() const;
    // Whether an estimate is still being computed.
    bool estimatePending() const { return m_pending; }
    // The highest quality whose file holds at most `bytes` bytes; nothing when
    // even quality 1 is larger.
    std::optional<int> qualityForSize(qint64 bytes) const;

signals:
    // A new estimate is on show.
    void estimateShown();

private:
    void qualityChanged();
    void refreshEstimate();
    void save();
    void fitToSize();

    QSpinBox* m_spin = nullptr;
    QLabel* m_picture = nullptr;
    // The picture as the encoder reads it; null before the first one is opened.
    QImage m_input;
    // The file the picture was opened from.
    QString m_source;
    // Raised for every new estimate; an older one still running stops.
    std::shared_ptr<std::atomic<int>> m_generation = std::make_shared<std::atomic<int>>(0);
    bool m_pending = false;
    QThreadPool m_pool;
};

} // namespace tools
