#include "core/handoff.h"

#include "core/form.h"
#include "core/registry.h"

namespace core {

QString editionButton(Edition edition) {
    switch (edition) {
    case Edition::Basic:
        return QStringLiteral("rb3");
    case Edition::Professional:
        return QStringLiteral("rb1");
    case Edition::Tmall:
        break;
    }
    return QStringLiteral("rb2");
}

Edition editionFromBasicFirst(const QString& comboText) {
    if (comboText == QStringLiteral("基础版")) return Edition::Basic;
    if (comboText == QStringLiteral("专业版")) return Edition::Professional;
    return Edition::Tmall;
}

Edition editionFromProfessionalFirst(const QString& comboText) {
    if (comboText == QStringLiteral("专业版")) return Edition::Professional;
    if (comboText == QStringLiteral("天猫版")) return Edition::Tmall;
    return Edition::Basic;
}

QString generateFirst() {
    return QStringLiteral("还没有生成代码，请先点击生成代码，再转化通栏！");
}

void handToConverter(const Handoff& handoff) {
    if (auto* converter = provider<ConverterInput>()) converter->receive(handoff);
}

void handToPreviewer(const QString& code, int edition) {
    if (auto* previewer = provider<PreviewerInput>()) previewer->receive(code, edition);
}

} // namespace core
