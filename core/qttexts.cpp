#include "core/qttexts.h"

namespace core {

namespace {

struct Text {
    const char* context;
    const char* source;
    const char16_t* chinese;
};

// What Qt 6's catalogue for zh_CN lacks. Qt 6 moved the file types of its
// file dialogs to the context QAbstractFileIconProvider, which the catalogue
// of Debian 12 does not know yet.
const Text kTexts[] = {
    {"QAbstractFileIconProvider", "Drive", u"驱动器"},
    {"QAbstractFileIconProvider", "File", u"文件"},
    {"QAbstractFileIconProvider", "Folder", u"文件夹"},
    {"QAbstractFileIconProvider", "File Folder", u"文件夹"},
    {"QAbstractFileIconProvider", "Shortcut", u"快捷方式"},
    {"QAbstractFileIconProvider", "Alias", u"别名"},
    {"QAbstractFileIconProvider", "Unknown", u"未知"},
    // The layout direction Qt asks every catalogue for.
    {"QGuiApplication", "QT_LAYOUT_DIRECTION", u"LTR"},
};

QByteArray key(const char* context, const char* source) {
    return QByteArray(context) + '\x04' + source;
}

} // namespace

QtTextsTranslator::QtTextsTranslator(QObject* parent)
    : QTranslator(parent) {
    for (const Text& text : kTexts)
        m_texts.insert(key(text.context, text.source), QString::fromUtf16(text.chinese));
}

QString QtTextsTranslator::translate(const char* context, const char* sourceText, const char*, int) const {
    if (!context || !sourceText) return QString();
    return m_texts.value(key(context, sourceText));
}

} // namespace core
