#include "generators/lists/productlists.h"

#include "core/files.h"
#include "core/form.h"
#include "core/preview.h"

#include <QWidget>

namespace generators::lists {

QString writePreviewPage(const core::Form* form, const QString& box) {
    const QString page = core::sharedPreviewPage();
    core::writeTextFile(page, form->text(box));
    return page;
}

void copyWithNotice(core::Form* form, const QString& box, const QString& notice, const QString& title) {
    form->copyMemo(box);
    form->message(notice, title);
}

QString samplePicture(const QString& name) {
    return QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/") + name;
}

} // namespace generators::lists
