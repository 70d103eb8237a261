#include "tools/code/bannerconverter.h"

#include "core/files.h"
#include "core/text.h"
#include "tools/code/pastemenu.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

namespace tools {

namespace {

const QString kBufferStart = QStringLiteral("哈哈，傻眼了吧！你肯定没选店铺类型~");
const QString kInstruction = QStringLiteral("下面输入您自定义的html代码，如果您的版块是1100px * 500px "
                                            "那么上方的板块宽度则为1100 版块高度则为 500 ：");

} // namespace

BannerConverter::BannerConverter(const QString& className, const QString& caption, int clientHeight,
                                 int extraHeight, const QString& defaultWidth, const QString& help)
    : core::Form(className, caption) {
    setClientSize(678, clientHeight);

    QGroupBox* editions =
        addGroup(this, QStringLiteral("grp1"), QRect(10, 6, 330, 50), QStringLiteral("店铺类型"));
    addRadio(editions, QStringLiteral("rb1"), QRect(14, 20, 90, 22), QStringLiteral("专业版"), true);
    addRadio(editions, QStringLiteral("rb2"), QRect(118, 20, 90, 22), QStringLiteral("天猫店"));
    addRadio(editions, QStringLiteral("rb3"), QRect(222, 20, 90, 22), QStringLiteral("基础版"));
    QLabel* helpLabel =
        addLabel(this, QStringLiteral("lbl7"), QRect(620, 26, 40, 22), QStringLiteral("帮助"));
    helpLabel->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    helpLabel->setCursor(Qt::PointingHandCursor);

    addCaption(this, QRect(10, 68, 70, 24), QStringLiteral("版块宽度："));
    addEdit(this, QStringLiteral("edt1"), QRect(80, 68, 70, 24), defaultWidth);
    addCaption(this, QRect(166, 68, 70, 24), QStringLiteral("版块高度："));
    addEdit(this, QStringLiteral("edt2"), QRect(236, 68, 70, 24), QStringLiteral("400"));
    addCaption(this, QRect(322, 68, 98, 24), QStringLiteral("转化后高度为："));
    addEdit(this, QStringLiteral("edt3"), QRect(420, 68, 70, 24), QStringLiteral("400"));
    addButton(this, QStringLiteral("btn3"), QRect(540, 64, 128, 32), QStringLiteral("导入代码"));

    const int top = kExtraTop + extraHeight;
    QLabel* instruction = addLabel(this, QStringLiteral("lbl4"), QRect(10, top, 658, 40), kInstruction);
    instruction->setWordWrap(true);
    core::Memo* input =
        addMemo(this, QStringLiteral("mmo1"), QRect(10, top + 44, 658, clientHeight - top - 108));
    input->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    addButton(this, QStringLiteral("btn1"), QRect(10, clientHeight - 56, 658, 46),
              QStringLiteral("【重要】转化并提取代码"));
    addHolderMemo(QStringLiteral("mmo2"), {kBufferStart});

    addPasteClearMenu(this, input);

    on(QStringLiteral("edt2Change"), [this] {
        const QString height = text(QStringLiteral("edt2"));
        if (!height.isEmpty())
            setText(QStringLiteral("edt3"), QString::number(qint64(core::parseInt(height)) - 20));
    });
    on(QStringLiteral("edt3Click"), [this] { message(QStringLiteral("这里是自动数据，一般不作修改！")); });
    on(QStringLiteral("btn1Click"), [this] {
        setText(QStringLiteral("mmo2"), converted());
        copyMemo(QStringLiteral("mmo2"));
        message(QStringLiteral("代码已被复制，可以到店铺的自定义进行粘贴了！"));
    });
    on(QStringLiteral("btn3Click"), [this] {
        const QString file = core::platform().openFileName(
            this, QStringLiteral("导入代码"), QStringLiteral("文本文档 (*.txt);;html文件 (*.html)"));
        if (!file.isEmpty()) setText(QStringLiteral("mmo1"), core::readTextFile(file));
    });
    on(QStringLiteral("N3Click"), [this] {
        if (core::platform().clipboardHasText())
            setText(QStringLiteral("mmo1"), core::platform().clipboardText());
    });
    on(QStringLiteral("N2Click"), [this] { setText(QStringLiteral("mmo1"), QString()); });
    on(QStringLiteral("lbl7Click"), [this, help] { message(help); });
}

core::Edition BannerConverter::edition() const {
    if (control<QRadioButton>(QStringLiteral("rb1"))->isChecked()) return core::Edition::Professional;
    if (control<QRadioButton>(QStringLiteral("rb2"))->isChecked()) return core::Edition::Tmall;
    return core::Edition::Basic;
}

BannerConverter::Fields BannerConverter::fields() const {
    return {text(QStringLiteral("edt1")), text(QStringLiteral("edt2")), text(QStringLiteral("edt3")),
            text(QStringLiteral("mmo1"))};
}

} // namespace tools
