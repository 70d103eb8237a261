#pragma once

#include "core/form.h"

namespace tools {

// Product QR code and favourites link: from a product page address, the
// address of the product's QR-code picture, the picture saved to disk, or the
// product's add-to-favourites link.
class TfrmBBEWM : public core::Form {
    Q_OBJECT
public:
    TfrmBBEWM();

    // The value of the "id" parameter of a product page address; fails when
    // the address has none.
    static QString productId(const QString& address);

private:
    void saveQrPicture();

    // The QR-code address last copied; the favourites link never takes its place.
    QString m_qrAddress;
};

} // namespace tools
