#include "generators/promotions/shared.h"

#include <QDateTimeEdit>

namespace generators::promotions {

QDateTimeEdit* addDatePicker(QWidget* parent, const QString& name, const QRect& geometry,
                             const QDateTime& start, const QString& format) {
    auto* picker = new QDateTimeEdit(start, parent);
    picker->setObjectName(name);
    picker->setGeometry(geometry);
    picker->setDisplayFormat(format);
    picker->setCalendarPopup(true);
    return picker;
}

} // namespace generators::promotions
