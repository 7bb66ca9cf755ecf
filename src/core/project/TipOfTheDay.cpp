#include "core/project/TipOfTheDay.h"

#include "core/project/TextCodec.h"

#include <QFileInfo>

namespace zelvan {

namespace {
constexpr qint64 kMaxLineLength = 999;

bool isSkipped(const QByteArray &line)
{
    return line.isEmpty() || line.at(0) == ' ' || line.at(0) == '\t' || line.at(0) == '\n'
        || line.at(0) == '\r' || line.at(0) == ';';
}
} // namespace

TipOfTheDay::TipOfTheDay(QSettings &settings, const QString &tipsPath)
    : m_settings(settings)
    , m_file(tipsPath)
{
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_tip = textFileMissing();
        return;
    }
    const QString stamp = QFileInfo(m_file).lastModified().toString(Qt::ISODateWithMs).trimmed();
    bool ok = true;
    if (stamp != m_settings.value(QStringLiteral("Tip/TimeStamp")).toString()) {
        m_settings.setValue(QStringLiteral("Tip/TimeStamp"), stamp);
    } else {
        const qint64 pos = m_settings.value(QStringLiteral("Tip/FilePos"), 0).toLongLong();
        ok = pos >= 0 && pos <= m_file.size() && m_file.seek(pos);
    }
    if (!ok) {
        m_tip = textReadError();
        return;
    }
    next();
}

TipOfTheDay::~TipOfTheDay()
{
    if (!m_closed && m_file.isOpen())
        m_settings.setValue(QStringLiteral("Tip/FilePos"), m_file.pos());
}

bool TipOfTheDay::showAtStartup(QSettings &settings)
{
    return settings.value(QStringLiteral("Tip/StartUp"), 0).toInt() == 0;
}

void TipOfTheDay::next()
{
    if (!m_file.isOpen())
        return;
    // At most one wrap-around: a file without any tip line shows an empty
    // tip instead of reading for ever.
    bool wrapped = false;
    for (;;) {
        if (m_file.atEnd()) {
            if (wrapped) {
                m_tip.clear();
                return;
            }
            wrapped = true;
            if (!m_file.seek(0)) {
                m_tip = textReadError();
                return;
            }
            continue;
        }
        QByteArray line = m_file.readLine(kMaxLineLength + 1);
        if (isSkipped(line))
            continue;
        if (line.endsWith("\r\n"))
            line.chop(2), line.append('\n');
        m_tip = fromGbk(std::string_view(line.constData(), static_cast<size_t>(line.size())));
        return;
    }
}

void TipOfTheDay::close(bool showAtStartup)
{
    m_settings.setValue(QStringLiteral("Tip/StartUp"), showAtStartup ? 0 : 1);
    if (m_file.isOpen()) {
        m_settings.setValue(QStringLiteral("Tip/FilePos"), m_file.pos());
        m_file.close();
    }
    m_closed = true;
}

} // namespace zelvan
