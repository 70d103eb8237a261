#include "tools/code/charushanchudaima.h"

#include "core/registry.h"
#include "core/text.h"

namespace tools {

namespace {

const QString kHead = QStringLiteral("<!--岚舟插入代码头-->");
const QString kTail = QStringLiteral("<!--岚舟插入代码尾-->");
const QString kDone = QStringLiteral("处理完的代码提取完毕！");

} // namespace

Tfrmcharushanchudaima::Tfrmcharushanchudaima()
    : core::Form(QStringLiteral("Tfrmcharushanchudaima"),
                 QStringLiteral("整体代码头部插入、清除自定义代码    技术支持：（旺旺）岚舟设计工作室")) {
    setClientSize(634, 622);

    QGroupBox* base = addGroup(this, QStringLiteral("grp1"), QRect(8, 8, 618, 300),
                               QStringLiteral("待处理的原始代码（双击可清空）"));
    addMemo(base, QStringLiteral("mmo1"), QRect(10, 22, 598, 268));
    QGroupBox* own = addGroup(this, QStringLiteral("grp2"), QRect(8, 314, 618, 240),
                              QStringLiteral("待插入的自定义代码（双击可清空）"));
    addMemo(own, QStringLiteral("mmo2"), QRect(10, 22, 598, 208));
    addButton(this, QStringLiteral("btn1"), QRect(8, 564, 300, 48), QStringLiteral("插入代码"));
    addButton(this, QStringLiteral("btn2"), QRect(326, 564, 300, 48), QStringLiteral("清除上次插入"));
    // The output buffer lies below the visible area.
    addOutputMemo(QStringLiteral("mmo3"));

    on(QStringLiteral("mmo1DblClick"), [this] { setText(QStringLiteral("mmo1"), QString()); });
    on(QStringLiteral("mmo2DblClick"), [this] { setText(QStringLiteral("mmo2"), QString()); });
    on(QStringLiteral("btn1Click"), [this] {
        handOut(kHead + QStringLiteral("<p>") + text(QStringLiteral("mmo2")) + QStringLiteral("</p>") + kTail +
                    QStringLiteral("<p>") + text(QStringLiteral("mmo1")) + QStringLiteral("</p>"),
                QStringLiteral("插入代码 - ") + kDone);
    });
    on(QStringLiteral("btn2Click"), [this] {
        handOut(withoutInsertion(text(QStringLiteral("mmo1"))), QStringLiteral("清除上次插入代码 - ") + kDone);
    });
}

QString Tfrmcharushanchudaima::withoutInsertion(const QString& code) {
    enum class Mode { FirstLine, Skip, Copy };
    Mode mode = Mode::FirstLine;
    QString kept;
    for (const QString& line : core::textLines(code)) {
        if (mode == Mode::FirstLine) {
            mode = Mode::Copy;
            if (line == kHead) {
                mode = Mode::Skip;
                continue;
            }
        }
        if (mode == Mode::Skip) {
            if (line == kTail) mode = Mode::Copy;
        } else if (line == kTail) {
            mode = Mode::Skip;
        } else {
            kept += line;
        }
    }
    return kept;
}

// The plain messages of this window are titled "提示信息" through the
// application's title, which keeps it afterwards.
void Tfrmcharushanchudaima::handOut(const QString& output, const QString& done) {
    setText(QStringLiteral("mmo3"), output);
    core::platform().setApplicationTitle(QStringLiteral("提示信息"));
    core::platform().information(this, done);
    copyMemo(QStringLiteral("mmo3"));
    core::platform().information(this, kDone);
}

QINGWU_WINDOW(Tfrmcharushanchudaima,
              {.order = 850,
               .tile = core::Tile{
                   .page = u"tsmg2", .row = 2, .column = 2, .image = u"img112", .caption = u"插入删除代码"}})

} // namespace tools
