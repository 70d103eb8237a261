#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QMenu;
class QWidget;

namespace core {

class Form;

// The name of a module generator's presets button.
inline const QString kPresetsButton = QStringLiteral("btnyushe");

// Whether the window keeps presets: the module generators and the search-box
// generators, the snippet makers whose work is a set of fields.
bool hasPresets(const Form& form);

// What a preset saves of a window, in the window's order: every named field
// the user fills in (edit, date, check box, radio button, radio group, combo
// box, and a multi-line box made with plain text, such as a list of picture
// addresses), never a template holder, an output box, a box for code (one
// made empty or with markup) or a picture.
QList<QWidget*> presetControls(const Form& form);

// One saved value: the control's name, its kind ("edit", "memo", "combo",
// "check", "radio", "group", "date", "number") and its value as text.
struct PresetValue {
    QString control;
    QString kind;
    QString value;
    bool operator==(const PresetValue&) const = default;
};

// The values of the window's preset controls as they read now.
QList<PresetValue> presetValues(const Form& form);

// Fills the window from saved values as a user would: the choices first
// (combo boxes, radio groups and buttons, check boxes), then the texts, each
// running its change handlers. A value whose control the window no longer
// has, or no longer keeps in presets, is skipped: the names skipped.
QStringList applyPreset(Form& form, const QList<PresetValue>& values);

// The presets of every window in one SQLite file, by window class and name.
// Every write is one transaction and the journal is a write-ahead log, so a
// crash never leaves half a preset. A file that is not a presets file fails
// every use with a message that names it, and is left as it is.
class PresetStore {
public:
    explicit PresetStore(QString path);
    ~PresetStore();
    PresetStore(const PresetStore&) = delete;
    PresetStore& operator=(const PresetStore&) = delete;

    QString path() const { return m_path; }
    // The window's presets, in Chinese sort order.
    QStringList names(const QString& window);
    bool contains(const QString& window, const QString& name);
    // Saves the values under the name, replacing a preset of that name.
    void save(const QString& window, const QString& name, const QList<PresetValue>& values);
    // The saved values; nothing when there is no such preset. A preset
    // whose values cannot be read fails.
    std::optional<QList<PresetValue>> load(const QString& window, const QString& name);
    void rename(const QString& window, const QString& from, const QString& to);
    void remove(const QString& window, const QString& name);
    void close();

private:
    void open();
    QString m_path;
    QString m_connection;
};

// The user's presets file, "presets.db" in the per-user data folder, opened
// on first use.
PresetStore& presetStore();
// Closes the user's presets file; the next use opens it again.
void closePresetStore();

// Gives a window that keeps presets its button 预设, in a place of its own;
// false for other windows.
bool addPresets(Form* form);

// The window's presets menu as it reads now: 保存为预设, the presets (each
// loads), and 管理预设 with 重命名 and 删除 for each. Made afresh each time,
// owned by `parent`. Fails where the presets file cannot be read.
QMenu* presetMenu(Form* form, QWidget* parent);

// The commands of the menu: asks a name and saves the window's values;
// loads a preset; asks a new name; asks and deletes.
void savePresetAs(Form* form);
void loadPreset(Form* form, const QString& name);
void renamePreset(Form* form, const QString& name);
void deletePreset(Form* form, const QString& name);

} // namespace core
