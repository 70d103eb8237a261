#pragma once

#include "core/form.h"

namespace tools {

// The shop's add-to-favourites link, read out of the shop's home page.
class Tfrmshoucang : public core::Form {
    Q_OBJECT
public:
    Tfrmshoucang();

    // The temporary page file in the working folder.
    static QString pagePath();
    // The favourites link of a shop page: the first item of the text between
    // the markers, made absolute; fails when the markers are missing.
    static QString favouritesLink(const QString& page, bool tmall);

private:
    void extract();
};

} // namespace tools
