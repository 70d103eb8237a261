#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace core {

// A handler step that cannot go on: the outermost handler guard shows the
// message in the generic error box and the window stays usable.
class Failure : public std::exception {
public:
    explicit Failure(QString message);
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

[[noreturn]] void fail(const QString& message);

} // namespace core
