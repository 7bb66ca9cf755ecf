#pragma once

#include <QFile>
#include <QSettings>
#include <QString>

namespace zelvan {

// The tip of the day: one tip per line of "tips.txt" beside the program.
// Lines that begin with a blank, a tab, a line end or ";" are skipped. The
// read position is kept in the settings (group Tip: StartUp, FilePos,
// TimeStamp) so the next showing continues with the next tip; a tips file
// with another time stamp starts again from its first line.
class TipOfTheDay {
public:
    TipOfTheDay(QSettings &settings, const QString &tipsPath);
    ~TipOfTheDay();

    // Whether tips show at start-up (StartUp == 0, the default).
    static bool showAtStartup(QSettings &settings);

    bool fileOpen() const { return m_file.isOpen(); }
    // The tip to show now: the next tip, or one of the failure texts.
    QString currentTip() const { return m_tip; }
    // Advances to the next tip ("下一条").
    void next();
    // "关闭": stores StartUp and the read position.
    void close(bool showAtStartup);

    static QString textFileMissing() { return QStringLiteral("无法找到tips.txt文件"); }
    static QString textReadError() { return QStringLiteral("读取tips.txt文件错误"); }

private:
    QSettings &m_settings;
    QFile m_file;
    QString m_tip;
    bool m_closed = false;
};

} // namespace zelvan
