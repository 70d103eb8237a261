#pragma once

#include "core/form.h"

#include <QSize>
#include <QVector>

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

    // The pixel size of the picture at an address, from its header only;
    // fails naming the address when it cannot be fetched or read.
    static QSize pictureSize(const QString& address);

private:
    // What the converter knows of picture i.
    struct Record {
        QString width, height, tag, code;
    };

    void convert();
    void showRow(bool copy);
    void thumbnails();

    QVector<Record> m_records;
    core::Browser* m_browser = nullptr;
};

} // namespace tools
