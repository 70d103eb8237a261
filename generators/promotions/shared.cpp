#include "generators/promotions/shared.h"

#include "core/files.h"
#include "core/form.h"
#include "core/text.h"

#include <QDateTimeEdit>

namespace generators::promotions {

QString previewPage() {
    return core::workingFolder() + QStringLiteral("/files.html");
}

void savePreviewPage(const core::Form* form, const QString& memo) {
    core::writeTextFile(previewPage(), core::joinLines(form->control<core::Memo>(memo)->lines()));
}

void showPreviewPage(core::Form* form, core::Browser*& browser, const QString& view) {
    if (!browser) browser = core::platform().createBrowser(form->control<QWidget>(view));
    browser->navigate(previewPage());
}

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
