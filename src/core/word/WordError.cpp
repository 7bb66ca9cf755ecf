#include "core/word/WordError.h"

namespace zelvan {

WordError::WordError(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toStdString())
{
}

} // namespace zelvan
