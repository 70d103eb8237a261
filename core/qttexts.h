#pragma once

#include <QHash>
#include <QTranslator>

namespace core {

// Chinese for the few texts of Qt's own dialogs that Qt's Chinese catalogue
// leaves in English (the type of a folder in the file dialogs, among others).
// Installed before Qt's catalogue, it is asked only where that one has no
// translation.
class QtTextsTranslator : public QTranslator {
    Q_OBJECT
public:
    explicit QtTextsTranslator(QObject* parent = nullptr);

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    // By context and source text; the disambiguation does not matter here.
    QHash<QByteArray, QString> m_texts;
};

} // namespace core
