#include "tools/code/jsq.h"

#include "core/failure.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"

#include <QLabel>

namespace tools {

namespace {

// a / b as the floating-point unit reports it: x / 0 and 0 / 0 are errors.
double divide(double a, double b) {
    if (b == 0) {
        if (a == 0) core::fail(QStringLiteral("Invalid floating point operation"));
        core::fail(QStringLiteral("Floating point division by zero"));
    }
    return a / b;
}

} // namespace

Tfrmjsq::Tfrmjsq()
    : core::Form(QStringLiteral("Tfrmjsq"),
                 QStringLiteral("青梧掌柜之图片列表计算器单机版    技术：（旺旺）岚舟设计工作室 ")) {
    setWindowFlag(Qt::Tool);
    setClientSize(566, 405);

    addCaption(this, QRect(12, 8, 542, 22),
               QStringLiteral("总宽度自己设定，例如：天猫990  集市950  描述 790  750  等"));

    // A labelled number with its unit.
    auto field = [this](int y, const QString& caption, const QString& name, const QString& value,
                        const QString& unit) {
        addCaption(this, QRect(12, y, 80, 24), caption);
        addEdit(this, name, QRect(92, y, 80, 24), value);
        addCaption(this, QRect(176, y, 24, 24), unit);
    };
    field(40, QStringLiteral("总宽度："), QStringLiteral("edt4"), QStringLiteral("950"), QStringLiteral("px"));
    field(72, QStringLiteral("一行列数："), QStringLiteral("edt5"), QStringLiteral("2"), QStringLiteral("列"));
    field(104, QStringLiteral("间距："), QStringLiteral("edt2"), QStringLiteral("10"), QStringLiteral("px"));
    addButton(this, QStringLiteral("btn14"), QRect(12, 138, 90, 30), QStringLiteral("两边卡边"));
    addButton(this, QStringLiteral("btn19"), QRect(110, 138, 90, 30), QStringLiteral("两边带边"));
    addButton(this, QStringLiteral("btn20"), QRect(12, 174, 188, 30), QStringLiteral("卡边无间隔"));
    field(214, QStringLiteral("单图宽度："), QStringLiteral("edt3"), QString(), QStringLiteral("px"));

    core::addPreviewPicture(this, QRect(214, 40, 340, 170),
                            QStringLiteral("两边卡边：图片贴住两侧    两边带边：两侧也留间距"));

    QGroupBox* calc = addGroup(this, QStringLiteral("grp1"), QRect(214, 218, 340, 178),
                               QStringLiteral("简易计算器"));
    addEdit(calc, QStringLiteral("edt1"), QRect(10, 22, 320, 24));
    // Four rows of four keys: digits, then the operator of the row.
    const struct {
        const char* name;
        const char* caption;
        int row, column;
    } keys[] = {
        {"btn1", "7", 0, 0},  {"btn2", "8", 0, 1},  {"btn3", "9", 0, 2},  {"btn4", "加", 0, 3},
        {"btn5", "4", 1, 0},  {"btn6", "5", 1, 1},  {"btn7", "6", 1, 2},  {"btn8", "减", 1, 3},
        {"btn9", "1", 2, 0},  {"btn10", "2", 2, 1}, {"btn11", "3", 2, 2}, {"btn12", "乘", 2, 3},
        {"btn13", "0", 3, 0}, {"btn15", ".", 3, 1}, {"btn18", "=", 3, 2}, {"btn16", "除", 3, 3},
    };
    for (const auto& key : keys)
        addButton(calc, QString::fromLatin1(key.name), QRect(10 + key.column * 62, 52 + key.row * 30, 58, 26),
                  QString::fromUtf8(key.caption));
    addButton(calc, QStringLiteral("btn17"), QRect(258, 52, 72, 116), QStringLiteral("清空"));

    on(QStringLiteral("btn14Click"), [this] { width(-1); });
    on(QStringLiteral("btn19Click"), [this] { width(1); });
    for (const char* digit : {"btn1", "btn2", "btn3", "btn5", "btn6", "btn7", "btn9", "btn10", "btn11", "btn13",
                              "btn15"}) {
        const QString name = QString::fromLatin1(digit);
        on(name + QStringLiteral("Click"), [this, name] {
            setText(QStringLiteral("edt1"), text(QStringLiteral("edt1")) + text(name));
        });
    }
    on(QStringLiteral("btn4Click"), [this] { pickOperator(Operator::Add); });
    on(QStringLiteral("btn8Click"), [this] { pickOperator(Operator::Subtract); });
    on(QStringLiteral("btn12Click"), [this] { pickOperator(Operator::Multiply); });
    on(QStringLiteral("btn16Click"), [this] { pickOperator(Operator::Divide); });
    on(QStringLiteral("btn18Click"), [this] { equals(); });
}

// (T - G * (N + outerGaps)) / N: outerGaps -1 leaves the outer edges bare,
// +1 puts a gap at both of them.
void Tfrmjsq::width(int outerGaps) {
    const QString totalText = text(QStringLiteral("edt4"));
    const double total = core::parseFloat(totalText);
    const double count = core::parseFloat(text(QStringLiteral("edt5")));
    const QString gapText = text(QStringLiteral("edt2"));
    const double gap = core::parseFloat(gapText);
    const double free = core::finite(total - core::finite(gap * (count + outerGaps), gapText), totalText);
    setText(QStringLiteral("edt3"), core::formatFloat(core::finite(divide(free, count), totalText)));
}

void Tfrmjsq::pickOperator(Operator op) {
    m_first = text(QStringLiteral("edt1"));
    setText(QStringLiteral("edt1"), QString());
    m_pending = op;
}

void Tfrmjsq::equals() {
    if (m_pending == Operator::None) {
        setText(QStringLiteral("edt1"), m_first);
        return;
    }
    const double a = core::parseFloat(m_first);
    const QString bText = text(QStringLiteral("edt1"));
    const double b = core::parseFloat(bText);
    double result = 0;
    switch (m_pending) {
    case Operator::Add: result = a + b; break;
    case Operator::Subtract: result = a - b; break;
    case Operator::Multiply: result = a * b; break;
    case Operator::Divide: result = divide(a, b); break;
    case Operator::None: break;
    }
    m_first = core::formatFloat(core::finite(result, bText));
    setText(QStringLiteral("edt1"), m_first);
}

QINGWU_WINDOW(Tfrmjsq,
              {.order = 60,
               .tile = core::Tile{
                   .page = u"tsmg1", .row = 2, .column = 2, .image = u"img98", .caption = u"图片列表计算器"}})

} // namespace tools
