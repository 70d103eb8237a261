#pragma once

#include "core/platform.h"

#include <QByteArray>
#include <QString>

namespace core {

// A browser of the web engine (the module loaded with the first one), with
// what the program's own embedded browser needs of it beyond core::Browser:
// showing a page again from what it held, without reading its file again.
class EngineBrowser : public Browser {
public:
    using Browser::Browser;

    // Shows `bytes` as the page of the local file `path`: its address, and so
    // the pictures and style sheets it names, are those of the file, while
    // the file itself is not read (another window may have written it since).
    virtual void showSnapshot(const QString& path, const QByteArray& bytes) = 0;
    // The page shown now: a local file by its path, a page of the web by its
    // address; empty before the first page.
    virtual QString shownAddress() const = 0;
};

} // namespace core
