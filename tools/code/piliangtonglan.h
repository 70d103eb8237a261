#pragma once

#include "core/form.h"
#include "core/handoff.h"

#include <QSize>
#include <QVector>
#include <optional>

namespace core {
class Browser;
}

namespace tools {

// Turns a list of full-width poster pictures into full-width banner snippets
// in one go, each wrapped at the picture's own size.
class Tfrmpiliangtonglan : public core::Form {
    Q_OBJECT
public:
    Tfrmpiliangtonglan();

    // The pixel size of a fetched picture, from its header only; fails naming
    // the address when it could not be fetched or is no readable JPEG picture.
    static QSize pictureSize(const core::Fetched& picture);

private:
    // What the converter knows of picture i.
    struct Record {
        QString width, height, tag, code;
    };

    void convert();
    // Fetches and converts picture i and those after it, one after another.
    void convertFrom(int i, const QStringList& addresses, const QString& prefix,
                     std::optional<core::Edition> edition);
    void showRow(bool copy);
    void thumbnails();

    QVector<Record> m_records;
    core::Browser* m_browser = nullptr;
};

} // namespace tools
