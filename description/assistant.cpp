#include "description/assistant.h"

#include "core/addresses.h"
#include "core/failure.h"
#include "core/fetch.h"
#include "core/files.h"
#include "core/jpegsize.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/shoppreview.h"
#include "core/text.h"
#include "description/section.h"
#include "description/sections.h"

#include <QFile>
#include <QSaveFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace description {

namespace {

const QString kList = QStringLiteral("lv1");
const QString kCode = QStringLiteral("mmodaima");

// The section kinds under their group headings, top to bottom.
struct Group {
    QString heading;
    QList<SectionKind> kinds;
};

QList<Group> groups() {
    return {
        {QStringLiteral("◇ 头部版块"), {relatedItems(), dividerBar(), coupons(), comboOffer()}},
        {QStringLiteral("◇ 产品信息"), {parameters(), sizeChart(), productDisplay(), productDetails()}},
        {QStringLiteral("◇ 辅助版块"), {sectionTitle(), buyersNotes(), customHtml()}},
    };
}

} // namespace

Tfrmmain::Tfrmmain()
    : core::Form(QStringLiteral("Tfrmmain"),
                 QStringLiteral("zadeze V2.0 [ 天猫/淘宝店通用 ]  青梧美工出品")) {
    setClientSize(1260, 760);

    auto* menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("mm1"));
    const struct {
        const char* name;
        QString caption;
    } items[] = {{"N4", QStringLiteral(" 官方网站 ")},
                 {"N5", QStringLiteral(" 软件公告 ")},
                 {"N6", QStringLiteral(" 视频教程 ")},
                 {"N7", QStringLiteral(" 新版下载 ")}};
    for (const auto& item : items)
        menu->addAction(item.caption)->setObjectName(QString::fromLatin1(item.name));

    auto* column = new QWidget(this);
    column->setFixedWidth(142);
    auto* editor = new QWidget(this);
    editor->setObjectName(QStringLiteral("pnl4"));
    editor->setFixedWidth(440);
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("pnl19"));
    auto* bottom = new QWidget(this);
    bottom->setObjectName(QStringLiteral("pnl37"));
    bottom->setFixedHeight(26);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(column);
    middle->addWidget(editor);
    middle->addWidget(area, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->setMenuBar(menu);
    outer->addLayout(middle, 1);
    outer->addWidget(bottom);

    addCaption(bottom, QRect(8, 4, 130, 18), QStringLiteral("当前操作的版块名称："));
    addLabel(bottom, QStringLiteral("lblname"), QRect(140, 4, 300, 18), QStringLiteral("版块名称"));
    addCaption(bottom, QRect(460, 4, 110, 18), QStringLiteral("首页刷新倒计时："));
    addLabel(bottom, QStringLiteral("lbl46"), QRect(572, 4, 60, 18), QString::number(m_countdown));

    buildEditor(editor);
    buildColumn(column);
    buildPreview(area);
    editor->hide();

    on(QStringLiteral("rg1Click"), [this] {
        setText(QStringLiteral("lblzongkuan"), tmall() ? QStringLiteral("790") : QStringLiteral("750"));
        control<core::RadioGroup>(QStringLiteral("rgleixing"))->setItemIndex(-1);
        for (const char* label : {"lblzonggao", "lbltukuan", "lbltugao"})
            setText(QString::fromLatin1(label), QStringLiteral("0"));
    });

    on(QStringLiteral("btnaddClick"), [this] {
        addEntry(QStringLiteral("确定要添加该板块？"),
                 relatedItemsLayoutName(control<core::RadioGroup>(QStringLiteral("rgleixing"))->itemIndex()));
    });
    on(QStringLiteral("btntianjiaClick"),
       [this] { addEntry(QStringLiteral("确定添加该板块？"), QString()); });
    on(QStringLiteral("btn2Click"), [this] {
        QStringList codes;
        QTreeWidget* list = sectionList();
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            codes << list->topLevelItem(row)->text(2);
        setText(kCode, assembledPage(codes));
        message(QStringLiteral("所有代码已经提交完毕，可以通过右侧预览区查看总体样式！"));
        preview(text(kCode));
    });
    on(QStringLiteral("btntiquClick"), [this] {
        if (!needOutput(kCode, QStringLiteral("请先生成版块或汇总后再提取代码！"))) return;
        copyMemo(kCode);
        message(QStringLiteral("代码提取完毕！"));
    });

    on(QStringLiteral("N11Click"), [this] {
        const int row = selectedRow();
        if (row < 0) return;
        // An entry's code goes to the page as lines, each followed by CR LF;
        // F5 shows the entry as the list holds it.
        const QString code = sectionList()->topLevelItem(row)->text(2);
        preview(core::joinLines(core::textLines(code)));
        core::setShownCode(this, code);
    });
    on(QStringLiteral("N2Click"), [this] { swapWith(-1); });
    on(QStringLiteral("N3Click"), [this] { swapWith(1); });
    on(QStringLiteral("N1Click"), [this] {
        const int row = selectedRow();
        if (row >= 0) delete sectionList()->takeTopLevelItem(row);
    });
    on(QStringLiteral("N9Click"), [this] { sectionList()->clear(); });

    on(QStringLiteral("pnl18Click"), [this] {
        const bool open = text(QStringLiteral("pnl18")) == QStringLiteral("》");
        control<QWidget>(QStringLiteral("pnl4"))->setVisible(open);
        setText(QStringLiteral("pnl18"), open ? QStringLiteral("《") : QStringLiteral("》"));
    });

    on(QStringLiteral("N4Click"), [] { core::platform().openDefault(core::addresses::website); });
    on(QStringLiteral("N5Click"), [this] {
        m_browser->navigate(core::filesFolder() + QLatin1Char('/') + core::addresses::announcementFile);
    });
    on(QStringLiteral("N6Click"), [this] { m_browser->navigate(core::addresses::assistantVideo); });
    on(QStringLiteral("N7Click"), [this] { m_browser->navigate(core::addresses::assistantDownload); });

    addTimer(QStringLiteral("tmr1"), 1000, true);
    on(QStringLiteral("tmr1Timer"), [this] {
        if (m_countdown > 0) {
            --m_countdown;
            setText(QStringLiteral("lbl46"), QString::number(m_countdown));
            return;
        }
        control<QTimer>(QStringLiteral("tmr1"))->stop();
        m_browser->reload();
    });

    on(QStringLiteral("FormClose"), [this] {
        QFile::remove(previewFile());
        if (m_scratch) QFile::remove(scratchPicture());
    });

    // The start page.
    on(QStringLiteral("FormCreate"), [this] {
        m_browser->navigate(core::filesFolder() + QLatin1Char('/') + core::addresses::announcementFile);
    });
    fire(QStringLiteral("FormCreate"));
}

void Tfrmmain::buildColumn(QWidget* column) {
    addRadioGroup(column, QStringLiteral("rg1"), QRect(4, 4, 134, 64), QStringLiteral("店铺类型"),
                  {QStringLiteral("淘宝店"), QStringLiteral("天猫店")}, 0);
    int y = 76;
    for (const Group& group : groups()) {
        addCaption(column, QRect(6, y, 130, 20), group.heading);
        y += 22;
        for (const SectionKind& kind : group.kinds) {
            addButton(column, kind.button, QRect(4, y, 134, 30), kind.caption);
            on(kind.button + QStringLiteral("Click"), [this, kind] {
                control<QWidget>(QStringLiteral("pnl4"))->show();
                control<QTabWidget>(QStringLiteral("pgc1"))->setCurrentWidget(control<QWidget>(kind.page));
                setText(QStringLiteral("lblname"), kind.caption);
            });
            y += 34;
        }
        y += 4;
    }
}

void Tfrmmain::buildEditor(QWidget* editor) {
    auto* sizes = new QWidget(editor);
    sizes->setObjectName(QStringLiteral("pnl73"));
    sizes->setGeometry(0, 0, 440, 28);
    const struct {
        const char* name;
        QString caption;
        QString start;
    } labels[] = {{"lblzongkuan", QStringLiteral("总宽："), kStartWidth},
                  {"lblzonggao", QStringLiteral("总高："), QStringLiteral("0")},
                  {"lbltukuan", QStringLiteral("图宽："), QStringLiteral("0")},
                  {"lbltugao", QStringLiteral("图高："), QStringLiteral("0")}};
    int x = 6;
    for (const auto& label : labels) {
        addCaption(sizes, QRect(x, 6, 42, 18), label.caption);
        addLabel(sizes, QString::fromLatin1(label.name), QRect(x + 42, 6, 60, 18), label.start);
        x += 108;
    }

    // Output first: the section pages render into the code box.
    addOutputMemo(kCode, {kCode});

    auto* pages = new QTabWidget(editor);
    pages->setObjectName(QStringLiteral("pgc1"));
    pages->setGeometry(0, 30, 440, 400);
    pages->tabBar()->hide();
    for (const Group& group : groups()) {
        for (const SectionKind& kind : group.kinds) {
            auto* page = new QWidget;
            page->setObjectName(kind.page);
            pages->addTab(page, kind.pageCaption);
            kind.build(*this, page);
            addButton(page, kind.renderButton, QRect(150, 340, 130, 32), kind.renderCaption);
            addButton(page, kind.addButton, QRect(290, 340, 130, 32), QStringLiteral("添加"));
            on(kind.renderButton + QStringLiteral("Click"), [this, kind] {
                // Pictures first: the section is built once they are measured.
                measureThen(kind.pictures ? kind.pictures(*this) : QStringList(), 0, [this, kind] {
                    const std::optional<QString> code = kind.html(*this);
                    if (code) render(*code, kind.preview);
                });
            });
            // Every add button but the related items' shares one handler,
            // named after the coupons' button.
            if (kind.addButton != QLatin1String("btnadd") && kind.addButton != QLatin1String("btntianjia"))
                connect(control<QPushButton>(kind.addButton), &QPushButton::clicked, this,
                        [this] { dispatch(QStringLiteral("btntianjiaClick")); });
        }
    }
    pages->setCurrentIndex(0);

    addCaption(editor, QRect(6, 434, 200, 20), QStringLiteral("版块列表"));
    auto* list = new QTreeWidget(editor);
    list->setObjectName(kList);
    list->setGeometry(4, 456, 432, 190);
    list->setHeaderLabels({QStringLiteral("编号"), QStringLiteral("版块名"), QStringLiteral("代码")});
    list->setColumnWidth(0, 40);
    list->setColumnWidth(1, 160);
    list->header()->setStretchLastSection(false);
    list->setColumnWidth(2, 40);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setStyleSheet(QStringLiteral("QTreeView::item { border: 1px solid #d9d9d9; }"));
    list->setContextMenuPolicy(Qt::CustomContextMenu);

    auto* context = new QMenu(this);
    context->setObjectName(QStringLiteral("pm1"));
    const struct {
        const char* name;
        QString caption;
        bool separatorAfter;
    } entries[] = {{"N11", QStringLiteral("预览"), true},
                   {"N2", QStringLiteral("上移"), false},
                   {"N3", QStringLiteral("下移"), true},
                   {"N1", QStringLiteral("删除"), false},
                   {"N9", QStringLiteral("清空"), false}};
    for (const auto& entry : entries) {
        context->addAction(entry.caption)->setObjectName(QString::fromLatin1(entry.name));
        if (entry.separatorAfter) context->addSeparator();
    }
    connect(list, &QWidget::customContextMenuRequested, this,
            [list, context](const QPoint& at) { context->popup(list->viewport()->mapToGlobal(at)); });

    addButton(editor, QStringLiteral("btn2"), QRect(4, 652, 212, 34), QStringLiteral("汇总"));
    addButton(editor, QStringLiteral("btntiqu"), QRect(224, 652, 212, 34), QStringLiteral("提取代码"));
}

void Tfrmmain::buildPreview(QWidget* area) {
    auto* tab = addLabel(area, QStringLiteral("pnl18"), QRect(0, 0, 16, 60), QStringLiteral("》"));
    tab->setToolTip(QStringLiteral("点击打开面板"));
    tab->setAlignment(Qt::AlignCenter);
    tab->setStyleSheet(QStringLiteral("background:#e0e0e0;"));
    auto* view = new QWidget(area);
    view->setObjectName(QStringLiteral("wb1"));
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tab, 0, Qt::AlignTop);
    layout->addWidget(view, 1);
    m_browser = core::platform().createBrowser(view);
    // The web engine's browser fills its host by itself; any other fills it here.
    if (QWidget* shown = m_browser->widget(); shown && !view->layout()) {
        auto* inside = new QHBoxLayout(view);
        inside->setContentsMargins(0, 0, 0, 0);
        inside->addWidget(shown);
    }
}

void Tfrmmain::addColourEdit(QWidget* page, const QString& name, const QRect& geometry,
                             const QString& colour) {
    addEdit(page, name, geometry, colour);
    colorField(name,
               [this, name](const QColor& chosen) { core::paintField(control<QWidget>(name), chosen); });
}

QString Tfrmmain::totalWidth() const {
    return text(QStringLiteral("lblzongkuan"));
}

bool Tfrmmain::tmall() const {
    return control<core::RadioGroup>(QStringLiteral("rg1"))->itemIndex() == 1;
}

QString Tfrmmain::scratchPicture() const {
    return m_scratch ? m_scratch->filePath(QStringLiteral("1.jpg")) : QString();
}

void Tfrmmain::measureThen(const QStringList& pictures, int i, const std::function<void()>& then) {
    if (i == 0) m_heights.clear();
    if (i >= pictures.size()) {
        then();
        return;
    }
    if (!m_scratch || !m_scratch->isValid()) {
        m_scratch = std::make_unique<QTemporaryDir>();
        if (!m_scratch->isValid())
            core::fail(QStringLiteral("无法创建临时文件夹：") + m_scratch->errorString());
    }
    // What an earlier download left is never measured in place of this picture.
    QFile::remove(scratchPicture());
    fetchThen(core::FetchRequest{pictures[i], core::FetchKind::Picture},
              [this, pictures, i, then](const core::Fetched& got) {
                  if (!got.ok()) core::fail(got.error);
                  const core::JpegHeader header = core::jpegSize(got.bytes);
                  if (!header.size.isValid())
                      core::fail(QStringLiteral("图片不是JPEG格式，无法读取尺寸：") + got.address);
                  QSaveFile file(scratchPicture());
                  if (file.open(QIODevice::WriteOnly) && file.write(got.bytes) == got.bytes.size()) file.commit();
                  m_heights.insert(got.address, header.size.height());
                  measureThen(pictures, i + 1, then);
              });
}

QString Tfrmmain::previewFile() {
    return core::workingFolder() + QStringLiteral("/file.html");
}

QTreeWidget* Tfrmmain::sectionList() const {
    return control<QTreeWidget>(kList);
}

void Tfrmmain::render(const QString& code, bool showPreview) {
    setText(kCode, code);
    if (showPreview) preview(text(kCode));
}

void Tfrmmain::preview(const QString& page) {
    core::writeTextFile(previewFile(), page);
    // The page is laid out at the description's width and scaled to the pane.
    m_browser->fitWidth(totalWidth().toInt() + core::kPageMargins);
    m_browser->navigate(previewFile());
    // F5 shows in the shop what the pane shows.
    core::setShownCode(this, page);
}

void Tfrmmain::addEntry(const QString& question, const QString& suffix) {
    if (core::platform().messageBox(this, question, QStringLiteral("提示信息"), core::Buttons::OkCancel) !=
        core::Answer::Ok)
        return;
    QTreeWidget* list = sectionList();
    auto* entry = new QTreeWidgetItem(list);
    entry->setText(0, QString::number(list->topLevelItemCount()));
    entry->setText(1,
                   QStringLiteral("[ ") + text(QStringLiteral("lblname")) + QStringLiteral(" ] ") + suffix);
    entry->setText(2, text(kCode));
}

int Tfrmmain::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = sectionList()->selectedItems();
    return selected.isEmpty() ? -1 : sectionList()->indexOfTopLevelItem(selected.first());
}

void Tfrmmain::swapWith(int offset) {
    QTreeWidget* list = sectionList();
    const int row = selectedRow();
    const int other = row + offset;
    if (row < 0 || other < 0 || other >= list->topLevelItemCount()) return;
    QTreeWidgetItem* here = list->topLevelItem(row);
    QTreeWidgetItem* there = list->topLevelItem(other);
    for (int column : {1, 2}) {
        const QString held = here->text(column);
        here->setText(column, there->text(column));
        there->setText(column, held);
    }
}

QINGWU_WINDOW(Tfrmmain, {.order = 860,
                         .tile = core::Tile{.page = u"tstuijian",
                                            .row = 1,
                                            .column = 3,
                                            .image = u"img87",
                                            .caption = u"宝贝描述助手",
                                            .size = core::TileSize::Large},
                         .preview = core::ShopPreview{.place = core::Place::Description, .shopType = u"rg1"},
                         .sample = samplePage,
                         // Its work is the list of sections.
                         .presets = false,
                         .atStart = true})

} // namespace description
