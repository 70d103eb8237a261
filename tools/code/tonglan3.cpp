#include "tools/code/tonglan3.h"

#include "core/registry.h"
#include "tools/code/bannerwrap.h"

#include <QAbstractButton>
#include <QPushButton>

namespace tools {

namespace {

const QString kHelp = QStringLiteral(
    "如果DW代码复制进来显示乱码，别紧张，将DW的代码复制到任意TXT文档后，在从TXT复制出来粘贴在下面的编辑框，"
    "就木有问题了，或者将dw编辑的html文件保存，点击软件的导入代码！");

// The previewer's edition index: 0 basic, 1 professional, 2 Tmall.
int previewEdition(core::Edition edition) {
    switch (edition) {
    case core::Edition::Professional:
        return 1;
    case core::Edition::Tmall:
        return 2;
    case core::Edition::Basic:
        break;
    }
    return 0;
}

} // namespace

Tfrmtonglan3::Tfrmtonglan3()
    : BannerConverter(QStringLiteral("Tfrmtonglan3"), QStringLiteral("通栏模块"), 479, 0,
                      QStringLiteral("1920"), kHelp) {
    addButton(this, QStringLiteral("btn2"), QRect(360, 16, 110, 36), QStringLiteral("预览一下"));

    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo2"),
                        QStringLiteral("还没有转化代码，请先点击【重要】转化并提取代码，再预览一下！")))
            return;
        core::handToPreviewer(text(QStringLiteral("mmo2")), previewEdition(edition()));
    });
}

void Tfrmtonglan3::receive(const core::Handoff& handoff) {
    showForm();
    if (handoff.edition) control<QAbstractButton>(core::editionButton(*handoff.edition))->setChecked(true);
    if (handoff.width) setText(QStringLiteral("edt1"), *handoff.width);
    setText(QStringLiteral("edt2"), handoff.height);
    setText(QStringLiteral("mmo1"), handoff.code);
}

QString Tfrmtonglan3::converted() const {
    const auto [w, h, hc, code] = fields();
    // The basic edition's outer height is written without its unit.
    return wrapBanner(edition(), {w, h, hc, QStringLiteral("0px"), false}, code);
}

QINGWU_PROVIDES(Tfrmtonglan3, core::ConverterInput)
QINGWU_WINDOW(Tfrmtonglan3,
              {.order = 30,
               .tile = core::Tile{
                   .page = u"tsmg1", .row = 1, .column = 1, .image = u"img108", .caption = u"通栏转化"}})

} // namespace tools
