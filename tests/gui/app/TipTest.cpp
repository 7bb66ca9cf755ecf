#include "gui/dialogs/TipDialog.h"
#include "core/project/TextCodec.h"
#include "core/project/TipOfTheDay.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelvan;

namespace {
void writeTips(const QString &path, const std::string &utf8)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const std::string bytes = gbk(utf8);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}
} // namespace

TEST(TipOfTheDay, SkipsCommentsWrapsAroundAndKeepsThePosition)
{
    QTemporaryDir dir;
    const QString tips = dir.filePath("tips.txt");
    writeTips(tips, "; 注释\n第一条\n\n 缩进跳过\n\t制表跳过\n第二条\n");
    QSettings settings(dir.filePath("s.ini"), QSettings::IniFormat);
    {
        TipOfTheDay t(settings, tips);
        EXPECT_EQ(t.currentTip(), QStringLiteral("第一条\n"));
        t.next();
        EXPECT_EQ(t.currentTip(), QStringLiteral("第二条\n"));
        t.next();
        EXPECT_EQ(t.currentTip(), QStringLiteral("第一条\n")); // wrapped
        t.close(false);
    }
    EXPECT_EQ(settings.value("Tip/StartUp").toInt(), 1);
    EXPECT_FALSE(TipOfTheDay::showAtStartup(settings));
    {
        // The next showing continues after the last tip shown.
        TipOfTheDay t(settings, tips);
        EXPECT_EQ(t.currentTip(), QStringLiteral("第二条\n"));
        t.close(true);
    }
    EXPECT_TRUE(TipOfTheDay::showAtStartup(settings));
}

TEST(TipOfTheDay, NewTimeStampRestartsAndMissingOrEmptyFiles)
{
    QTemporaryDir dir;
    const QString tips = dir.filePath("tips.txt");
    writeTips(tips, "一\n二\n");
    QSettings settings(dir.filePath("s.ini"), QSettings::IniFormat);
    {
        TipOfTheDay t(settings, tips);
        t.next();
        t.close(true);
    }
    settings.setValue("Tip/TimeStamp", "another time");
    {
        TipOfTheDay t(settings, tips);
        EXPECT_EQ(t.currentTip(), QStringLiteral("一\n"));
    }
    TipOfTheDay missing(settings, dir.filePath("none.txt"));
    EXPECT_EQ(missing.currentTip(), QStringLiteral("无法找到tips.txt文件"));
    EXPECT_FALSE(missing.fileOpen());

    writeTips(tips, "; only comments\n\n");
    settings.setValue("Tip/TimeStamp", "x");
    TipOfTheDay empty(settings, tips);
    EXPECT_EQ(empty.currentTip(), QString()); // no endless loop

    settings.setValue("Tip/FilePos", 999999);
    settings.setValue("Tip/TimeStamp", QFileInfo(tips).lastModified().toString(Qt::ISODateWithMs));
    TipOfTheDay badPosition(settings, tips);
    EXPECT_EQ(badPosition.currentTip(), QStringLiteral("读取tips.txt文件错误"));
}

TEST(TipDialog, CheckBoxAndNextButton)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("s.ini"), QSettings::IniFormat);
    TipDialog missing(settings, dir.filePath("none.txt"));
    EXPECT_FALSE(missing.nextButton()->isEnabled());
    EXPECT_TRUE(missing.showAtStartupBox()->isChecked());
    missing.showAtStartupBox()->setChecked(false);
    missing.accept();
    EXPECT_EQ(settings.value("Tip/StartUp").toInt(), 1);
}
