#include "core/failure.h"

namespace core {

Failure::Failure(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8()) {}

void fail(const QString& message) {
    throw Failure(message);
}

} // namespace core
