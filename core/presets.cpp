#include "core/presets.h"

#include "core/application.h"
#include "core/database.h"
#include "core/failure.h"
#include "core/form.h"
#include "core/ownplace.h"
#include "core/platform.h"
#include "core/registry.h"
#include "core/shopframe.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <memory>

namespace core {

namespace {

const QSize kButtonSize(64, 24);
const QString kSaveFailed = QStringLiteral("预设保存失败");

bool heldOrHidden(const Form& form, const QWidget* control) {
    for (const QWidget* w = control; w && w != &form; w = w->parentWidget())
        if (Form::keptHidden(w)) return true;
    return false;
}

// Markup: a tag, a comment or a declaration.
bool holdsMarkup(const QString& text) {
    static const QRegularExpression tag(QStringLiteral("<[A-Za-z!/]"));
    return text.contains(tag);
}

// The kind a control is kept as; empty for a control a preset does not keep.
QString kindOf(const Form& form, QWidget* control) {
    if (control->objectName().isEmpty() || heldOrHidden(form, control)) return {};
    QWidget* parent = control->parentWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        // The edit of a combo box or a spin box is part of it.
        if (qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent)) return {};
        return edit->isReadOnly() ? QString() : QStringLiteral("edit");
    }
    if (auto* memo = qobject_cast<Memo*>(control)) {
        // A box for code or for the window's output is made empty or with
        // markup; a field of several lines (addresses, captions, a "#|#|#"
        // list) is made with its sample text.
        const QString made = memo->property("placeholder").toString();
        const QString name = memo->objectName();
        const bool output =
            name == undeliveredOutput(form) || name == form.property("deliveredBox").toString();
        if (output || memo->isReadOnly() || made.isEmpty() || holdsMarkup(made)) return {};
        return QStringLiteral("memo");
    }
    if (qobject_cast<QComboBox*>(control)) return QStringLiteral("combo");
    if (qobject_cast<QCheckBox*>(control)) return QStringLiteral("check");
    if (qobject_cast<QRadioButton*>(control)) {
        // The buttons of a radio group are kept as the group's choice.
        return qobject_cast<RadioGroup*>(parent) ? QString() : QStringLiteral("radio");
    }
    if (qobject_cast<RadioGroup*>(control)) return QStringLiteral("group");
    if (qobject_cast<QDateTimeEdit*>(control)) return QStringLiteral("date");
    if (qobject_cast<QSpinBox*>(control)) return QStringLiteral("number");
    return {};
}

QString valueOf(const Form& form, QWidget* control, const QString& kind) {
    if (kind == QLatin1String("check") || kind == QLatin1String("radio"))
        return static_cast<QAbstractButton*>(control)->isChecked() ? QStringLiteral("1")
                                                                   : QStringLiteral("0");
    if (kind == QLatin1String("group"))
        return QString::number(static_cast<RadioGroup*>(control)->itemIndex());
    if (kind == QLatin1String("date"))
        return static_cast<QDateTimeEdit*>(control)->dateTime().toString(Qt::ISODate);
    if (kind == QLatin1String("number")) return QString::number(static_cast<QSpinBox*>(control)->value());
    return form.text(control->objectName());
}

// The choices are made first: a choice may rewrite texts (a shop type writes
// its widths), and the texts saved win.
bool isChoice(const QString& kind) {
    return kind == QLatin1String("combo") || kind == QLatin1String("group") ||
           kind == QLatin1String("radio") || kind == QLatin1String("check");
}

// Writes one value as a user's edit would; false when it does not fit the control.
bool write(Form& form, QWidget* control, const PresetValue& saved) {
    const QString& kind = saved.kind;
    if (kind == QLatin1String("check")) {
        static_cast<QAbstractButton*>(control)->setChecked(saved.value == QLatin1String("1"));
    } else if (kind == QLatin1String("radio")) {
        // Checking one button of a set unchecks the others.
        if (saved.value == QLatin1String("1")) static_cast<QAbstractButton*>(control)->setChecked(true);
    } else if (kind == QLatin1String("group")) {
        bool number = false;
        const int index = saved.value.toInt(&number);
        auto* group = static_cast<RadioGroup*>(control);
        if (!number || index < -1 || index >= group->items().size()) return false;
        group->setItemIndex(index);
    } else if (kind == QLatin1String("date")) {
        const QDateTime moment = QDateTime::fromString(saved.value, Qt::ISODate);
        if (!moment.isValid()) return false;
        static_cast<QDateTimeEdit*>(control)->setDateTime(moment);
    } else if (kind == QLatin1String("number")) {
        bool number = false;
        const int value = saved.value.toInt(&number);
        if (!number) return false;
        static_cast<QSpinBox*>(control)->setValue(value);
    } else {
        form.setText(control->objectName(), saved.value);
    }
    return true;
}

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void failWith(const QString& what, const QSqlError& error) {
    fail(QStringLiteral("%1：%2").arg(what, error.text()));
}

QByteArray encode(const QList<PresetValue>& values) {
    QJsonArray list;
    for (const PresetValue& value : values)
        list.append(QJsonObject{{QStringLiteral("control"), value.control},
                                {QStringLiteral("kind"), value.kind},
                                {QStringLiteral("value"), value.value}});
    return QJsonDocument(list).toJson(QJsonDocument::Compact);
}

std::optional<QList<PresetValue>> decode(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()) return std::nullopt;
    QList<PresetValue> values;
    for (const QJsonValue& entry : document.array()) {
        const QJsonObject object = entry.toObject();
        const QJsonValue control = object.value(QStringLiteral("control"));
        const QJsonValue kind = object.value(QStringLiteral("kind"));
        const QJsonValue value = object.value(QStringLiteral("value"));
        if (!control.isString() || !kind.isString() || !value.isString()) return std::nullopt;
        values.append({control.toString(), kind.toString(), value.toString()});
    }
    return values;
}

QString windowOf(const Form* form) {
    return form->objectName();
}

} // namespace

bool hasPresets(const Form& form) {
    const WindowInfo* info = windowInfo(form);
    return info && info->preview && info->presets;
}

QList<QWidget*> presetControls(const Form& form) {
    QList<QWidget*> controls;
    for (QWidget* child : form.findChildren<QWidget*>())
        if (!kindOf(form, child).isEmpty()) controls << child;
    return controls;
}

QList<PresetValue> presetValues(const Form& form) {
    QList<PresetValue> values;
    for (QWidget* control : presetControls(form)) {
        const QString kind = kindOf(form, control);
        values.append({control->objectName(), kind, valueOf(form, control, kind)});
    }
    return values;
}

QStringList applyPreset(Form& form, const QList<PresetValue>& values) {
    QStringList skipped;
    for (const bool choices : {true, false}) {
        for (const PresetValue& saved : values) {
            if (isChoice(saved.kind) != choices) continue;
            QWidget* control = form.findChild<QWidget*>(saved.control);
            if (!control || kindOf(form, control) != saved.kind || !write(form, control, saved))
                skipped << saved.control;
        }
    }
    return skipped;
}

PresetStore::PresetStore(QString path)
    : m_path(std::move(path))
    , m_connection(QStringLiteral("presets-") + m_path) {}

PresetStore::~PresetStore() {
    close();
}

void PresetStore::close() {
    if (!QSqlDatabase::contains(m_connection)) return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

void PresetStore::open() {
    if (QSqlDatabase::contains(m_connection) && QSqlDatabase::database(m_connection, false).isOpen()) return;
    close();
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSqlError error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_path);
        if (!db.open()) {
            error = db.lastError();
        } else {
            QSqlQuery query(db);
            // Reading the journal mode reads the file: a file that is no database fails here.
            if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
                !query.exec(QStringLiteral("PRAGMA synchronous=FULL")) ||
                !query.exec(QStringLiteral("create table if not exists presets (window text not null, "
                                           "name text not null, saved text not null, fields text not null, "
                                           "primary key (window, name))")) ||
                !query.exec(QStringLiteral("select window, name, saved, fields from presets limit 1")))
                error = query.lastError();
        }
    }
    if (error.isValid()) {
        close();
        failWith(
            QStringLiteral("预设文件\"%1\"无法读取，文件没有改动，预设暂时不能使用").arg(nativePath(m_path)),
            error);
    }
}

QStringList PresetStore::names(const QString& window) {
    open();
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("select name from presets where window = ?"));
    query.addBindValue(window);
    if (!query.exec()) failWith(QStringLiteral("预设文件读取失败"), query.lastError());
    QStringList found;
    while (query.next())
        found << query.value(0).toString();
    QCollator collator(chineseLocale());
    std::sort(found.begin(), found.end(), collator);
    return found;
}

bool PresetStore::contains(const QString& window, const QString& name) {
    return names(window).contains(name);
}

std::optional<QList<PresetValue>> PresetStore::load(const QString& window, const QString& name) {
    open();
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("select fields from presets where window = ? and name = ?"));
    query.addBindValue(window);
    query.addBindValue(name);
    if (!query.exec()) failWith(QStringLiteral("预设文件读取失败"), query.lastError());
    if (!query.next()) return std::nullopt;
    const std::optional<QList<PresetValue>> values = decode(query.value(0).toString().toUtf8());
    if (!values) fail(QStringLiteral("预设\"%1\"已损坏，无法载入，窗口的内容没有改动。").arg(name));
    return values;
}

void PresetStore::save(const QString& window, const QString& name, const QList<PresetValue>& values) {
    open();
    writeOnce(
        QSqlDatabase::database(m_connection, false),
        QStringLiteral("insert or replace into presets (window, name, saved, fields) values (?, ?, ?, ?)"),
        {window, name, QDateTime::currentDateTimeUtc().toString(Qt::ISODate),
         QString::fromUtf8(encode(values))},
        kSaveFailed);
}

void PresetStore::rename(const QString& window, const QString& from, const QString& to) {
    open();
    writeOnce(QSqlDatabase::database(m_connection, false),
              QStringLiteral("update presets set name = ? where window = ? and name = ?"), {to, window, from},
              kSaveFailed);
}

void PresetStore::remove(const QString& window, const QString& name) {
    open();
    writeOnce(QSqlDatabase::database(m_connection, false),
              QStringLiteral("delete from presets where window = ? and name = ?"), {window, name},
              kSaveFailed);
}

namespace {

std::unique_ptr<PresetStore>& userStore() {
    static std::unique_ptr<PresetStore> store;
    return store;
}

// Asks a preset's name; nothing when cancelled or left blank (which is said).
std::optional<QString> askName(Form* form, const QString& title, const QString& suggested) {
    const std::optional<QString> typed =
        platform().prompt(form, title, QStringLiteral("预设名称："), suggested);
    if (!typed) return std::nullopt;
    const QString name = typed->trimmed();
    if (name.isEmpty()) {
        form->message(QStringLiteral("预设名称不能为空！"));
        return std::nullopt;
    }
    return name;
}

// A name not used yet: 预设1, 预设2, …
QString freshName(const QStringList& taken) {
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("预设%1").arg(n);
        if (!taken.contains(name)) return name;
    }
}

} // namespace

PresetStore& presetStore() {
    std::unique_ptr<PresetStore>& store = userStore();
    const QString path = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                         QStringLiteral("/presets.db");
    if (!store || store->path() != path) store = std::make_unique<PresetStore>(path);
    return *store;
}

void closePresetStore() {
    userStore().reset();
}

void savePresetAs(Form* form) {
    PresetStore& store = presetStore();
    const QStringList taken = store.names(windowOf(form));
    const std::optional<QString> name = askName(form, QStringLiteral("保存为预设"), freshName(taken));
    if (!name) return;
    if (taken.contains(*name) &&
        platform().messageBox(form,
                              QStringLiteral("已有名为\"%1\"的预设，要用现在的设置替换它吗？").arg(*name),
                              QStringLiteral("提示信息"), Buttons::OkCancel) != Answer::Ok)
        return;
    store.save(windowOf(form), *name, presetValues(*form));
    form->message(QStringLiteral("预设\"%1\"已保存。").arg(*name));
}

void loadPreset(Form* form, const QString& name) {
    const std::optional<QList<PresetValue>> values = presetStore().load(windowOf(form), name);
    if (!values) {
        form->message(QStringLiteral("没有找到预设\"%1\"。").arg(name));
        return;
    }
    const QStringList skipped = applyPreset(*form, *values);
    if (!skipped.isEmpty())
        form->message(QStringLiteral("预设\"%1\"已载入。其中以下项目本窗口已经没有了，已跳过：%2")
                          .arg(name, skipped.join(QStringLiteral("、"))));
}

void renamePreset(Form* form, const QString& name) {
    PresetStore& store = presetStore();
    const std::optional<QString> renamed = askName(form, QStringLiteral("重命名预设"), name);
    if (!renamed || *renamed == name) return;
    if (store.contains(windowOf(form), *renamed)) {
        form->message(QStringLiteral("已有名为\"%1\"的预设，请换一个名称。").arg(*renamed));
        return;
    }
    store.rename(windowOf(form), name, *renamed);
}

void deletePreset(Form* form, const QString& name) {
    if (platform().messageBox(form, QStringLiteral("确定删除预设\"%1\"吗？").arg(name),
                              QStringLiteral("提示信息"), Buttons::OkCancel) != Answer::Ok)
        return;
    presetStore().remove(windowOf(form), name);
}

QMenu* presetMenu(Form* form, QWidget* parent) {
    const QStringList names = presetStore().names(windowOf(form));
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("pmyushe"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto run = [form](std::function<void()> action) { return [form, action] { form->command(action); }; };
    QAction* save = menu->addAction(QStringLiteral("保存为预设…"));
    save->setObjectName(QStringLiteral("Nyushebaocun"));
    QObject::connect(save, &QAction::triggered, form, run([form] { savePresetAs(form); }));
    menu->addSeparator();
    if (names.isEmpty()) menu->addAction(QStringLiteral("（还没有预设）"))->setEnabled(false);
    for (const QString& name : names)
        QObject::connect(menu->addAction(name), &QAction::triggered, form,
                         run([form, name] { loadPreset(form, name); }));
    menu->addSeparator();
    QMenu* manage = menu->addMenu(QStringLiteral("管理预设"));
    manage->setObjectName(QStringLiteral("pmyushe2"));
    manage->setEnabled(!names.isEmpty());
    for (const QString& name : names) {
        QMenu* one = manage->addMenu(name);
        QObject::connect(one->addAction(QStringLiteral("重命名…")), &QAction::triggered, form,
                         run([form, name] { renamePreset(form, name); }));
        QObject::connect(one->addAction(QStringLiteral("删除")), &QAction::triggered, form,
                         run([form, name] { deletePreset(form, name); }));
    }
    return menu;
}

bool addPresets(Form* form) {
    if (!hasPresets(*form) || form->findChild<QPushButton*>(kPresetsButton)) return false;
    auto* button = new QPushButton(QStringLiteral("预设"), form);
    button->setObjectName(kPresetsButton);
    button->setToolTip(QStringLiteral("保存或载入本窗口的设置"));
    button->setFocusPolicy(Qt::NoFocus);
    placeOwnButton(form, button, kButtonSize);
    QObject::connect(button, &QPushButton::clicked, form, [form, button] {
        form->command([form, button] {
            QMenu* menu = presetMenu(form, button);
            menu->popup(button->mapToGlobal(QPoint(0, button->height())));
        });
    });
    return true;
}

} // namespace core
