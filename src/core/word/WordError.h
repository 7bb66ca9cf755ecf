#pragma once

#include <QString>

#include <exception>
#include <string>

namespace zelvan {

// The one failure of the automation layer: a call that cannot do what it was
// asked (a missing picture, a cell that does not exist, a failed save). The
// export that made the call ends there, unsaved, and shows the message.
class WordError : public std::exception {
public:
    explicit WordError(QString message);

    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

} // namespace zelvan
