// Crash recovery: a child process edits a project through the real page and
// is killed with SIGKILL; the next start offers the copy, "是" brings back
// every change made before the last copy, "否" deletes it; a save or a close
// removes a project's copy.
#include "support/RecordingPrompter.h"
#include "support/ScriptedFileDialogs.h"

#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CZelvanApp.h"
#include "gui/app/ProjectRecovery.h"
#include "gui/pages/CZelvanView.h"
#include "core/project/RecoveryStore.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/ProjectArchive.h"
#include "core/project/TextCodec.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/types.h>

using namespace zelvan;
using test::RecordingPrompter;
using test::ScriptedFileDialogs;

namespace {

const QString kQuestion = QStringLiteral("发现未保存的项目恢复文件，是否恢复？");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct RecoveryTest : ::testing::Test {
    QTemporaryDir dir;
    // Where the program keeps its copies: the user's data folder of the
    // organization and application the program registers under.
    QString dataHome() const { return dir.filePath(QStringLiteral("home/data")); }
    QString folder() const
    {
        return dataHome() + QStringLiteral("/Local AppWizard-Generated Applications/Zelvan/recovery");
    }
    QString projectPath() const { return dir.filePath(QStringLiteral("projects/立式储罐.pcp")); }
    QByteArray sample;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        sample = readAll(qEnvironmentVariable("ZELVAN_SOURCE_DIR") + QStringLiteral("/samples/vertical-storage-tank.pcp"));
        ASSERT_FALSE(sample.isEmpty());
        QDir().mkpath(QFileInfo(projectPath()).absolutePath());
        QFile file(projectPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(sample);
    }

    QStringList copies() const
    {
        return QDir(folder()).entryList({QStringLiteral("*.zrc")}, QDir::Files);
    }

    // Runs the child until it has typed `keys` keys (and, with a timer, until
    // a copy was written after that), then kills it. Returns its output.
    QStringList runAndKill(const QStringList &arguments, bool waitForTimerCopy)
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("home/config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(RECOVERY_DRIVER), arguments);
        EXPECT_TRUE(child.waitForStarted(10000));
        QStringList lines;
        bool typed = false;
        bool copiedAfterTyping = false;
        QElapsedTimer clock;
        clock.start();
        while (!(typed && (!waitForTimerCopy || copiedAfterTyping)) && clock.elapsed() < 60000) {
            if (!child.canReadLine() && !child.waitForReadyRead(1000)) {
                if (child.state() != QProcess::Running)
                    break;
                continue;
            }
            while (child.canReadLine()) {
                const QString line = QString::fromUtf8(child.readLine()).trimmed();
                lines.append(line);
                if (line.startsWith(QLatin1String("typed ")))
                    typed = true;
                else if (typed && line.startsWith(QLatin1String("written ")))
                    copiedAfterTyping = true;
            }
        }
        EXPECT_EQ(child.state(), QProcess::Running) << "the child ended by itself: " << lines.join('\n').toStdString();
        if (child.state() == QProcess::Running) {
            // While it runs, its copy is its own: a second program offers nothing.
            RecoveryStore other(folder());
            EXPECT_TRUE(other.offers().empty()) << "a running program's copy was offered";
        }
        // Only the child itself, by its own id: a process that has ended
        // reports id 0, which kill() would take for the whole process group.
        const qint64 pid = child.processId();
        if (child.state() == QProcess::Running && pid > 0) {
            EXPECT_EQ(::kill(pid_t(pid), SIGKILL), 0);
            EXPECT_TRUE(child.waitForFinished(10000));
            EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
        }
        return lines;
    }

    // The next start of the program, with its answers scripted.
    struct NextStart {
        QTemporaryDir settingsDir;
        QSettings settings{settingsDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
        RecordingPrompter prompter;
        ScriptedFileDialogs dialogs;
        CZelvanApp app{settings, prompter, dialogs};
        explicit NextStart(const QString &folder) { app.recovery().store().setFolder(folder); }
    };

    static QLineEdit *fieldShowing(CZelvanView *view, const QString &text)
    {
        QLineEdit *found = nullptr;
        for (QLineEdit *edit : view->findChildren<QLineEdit *>())
            if (!edit->isReadOnly() && edit->text() == text)
                found = edit;
        return found;
    }
};

QString digits(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text.append(QChar('0' + i % 10));
    return text;
}

} // namespace

TEST_F(RecoveryTest, KilledAfterTheFiftiethChangeYesBringsBackEveryChangeBeforeTheCopy)
{
    ProjectRecord original;
    CompanyInfo company = CompanyInfo::initial();
    ASSERT_EQ(ProjectArchive::read(std::string_view(sample.constData(), size_t(sample.size())), original, company),
              ProjectArchive::ReadStatus::Ok);
    const QString name = fromGbk(original.field(Field::ProjectName));

    // 53 keys: the 50th change writes the copy, the last three come after it.
    const QStringList output = runAndKill({projectPath(), QStringLiteral("53")}, false);
    ASSERT_TRUE(output.size() >= 2) << output.join('\n').toStdString();
    EXPECT_TRUE(output.first().startsWith(QLatin1String("written "))) << output.join('\n').toStdString();
    EXPECT_EQ(output.filter(QStringLiteral("written ")).size(), 1);
    EXPECT_EQ(output.last(), QStringLiteral("typed ") + name + digits(53));
    EXPECT_EQ(copies().size(), 1);
    EXPECT_EQ(readAll(projectPath()), sample) << "the project file itself was written";

    NextStart next(folder());
    next.prompter.answerYes();
    ASSERT_TRUE(next.app.initInstance(false, true));
    ASSERT_EQ(next.prompter.entries.size(), 1);
    EXPECT_EQ(next.prompter.entries[0].kind, RecordingPrompter::Entry::YesNo);
    EXPECT_EQ(next.prompter.entries[0].title, QStringLiteral("提示"));
    EXPECT_EQ(next.prompter.entries[0].text, kQuestion);

    ASSERT_EQ(next.app.mainFrame()->children().size(), 1);
    CZelvanDoc *doc = next.app.mainFrame()->activeDocument();
    EXPECT_EQ(fromGbk(doc->record().field(Field::ProjectName)), name + digits(50));
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->title(), QStringLiteral("立式储罐.pcp *"));
    EXPECT_EQ(doc->documentPath(), QFileInfo(projectPath()).absoluteFilePath());
    EXPECT_TRUE(next.app.mainFrame()->windowTitle().endsWith(QStringLiteral("[立式储罐.pcp *]")))
        << next.app.mainFrame()->windowTitle().toStdString();
    // The page shows the recovered text.
    EXPECT_NE(fieldShowing(next.app.mainFrame()->activeView(), name + digits(50)), nullptr);
    // Everything else is the project as it was opened (fields 1 and 2 say
    // where it was opened from).
    original.setField(Field::ProjectName, doc->record().field(Field::ProjectName));
    original.setField(Field::ProjectFilePath, gbk(QFileInfo(projectPath()).absoluteFilePath().toStdString()));
    original.setField(Field::ProjectDirectory, gbk(QFileInfo(projectPath()).absolutePath().toStdString() + "/"));
    EXPECT_TRUE(ProjectArchive::write(doc->record(), next.app.company()) == ProjectArchive::write(original, company));

    // The copy stays until the project is saved; a save removes it.
    EXPECT_EQ(copies().size(), 1);
    next.app.mainFrame()->action(QStringLiteral("save"))->trigger();
    EXPECT_FALSE(doc->isModified());
    EXPECT_TRUE(copies().isEmpty());
    ProjectRecord saved;
    CompanyInfo savedCompany = CompanyInfo::initial();
    ASSERT_TRUE(ProjectFile::load(projectPath(), saved, savedCompany).ok);
    EXPECT_EQ(fromGbk(saved.field(Field::ProjectName)), name + digits(50));
    EXPECT_EQ(next.prompter.entries.size(), 1);

    // The next start after that finds nothing to offer.
    NextStart third(folder());
    ASSERT_TRUE(third.app.initInstance(false, true));
    EXPECT_TRUE(third.prompter.entries.isEmpty());
}

TEST_F(RecoveryTest, ANeverSavedProjectKilledAfterATimedCopyComesBackUntitledAndClosingRemovesIt)
{
    const QStringList output = runAndKill({QStringLiteral("--new"), QStringLiteral("试验项目"), QStringLiteral("7"),
                                           QStringLiteral("200")},
                                          true);
    EXPECT_TRUE(output.contains(QStringLiteral("typed 试验项目0123456"))) << output.join('\n').toStdString();
    ASSERT_EQ(copies().size(), 1);
    EXPECT_TRUE(copies().first().startsWith(QLatin1String("new-")));

    NextStart next(folder());
    next.prompter.answerYes();
    ASSERT_TRUE(next.app.initInstance(false, true));
    EXPECT_EQ(next.prompter.texts(), QStringList{kQuestion});
    ASSERT_EQ(next.app.mainFrame()->children().size(), 1);
    CZelvanDoc *doc = next.app.mainFrame()->activeDocument();
    EXPECT_EQ(fromGbk(doc->record().field(Field::ProjectName)), QStringLiteral("试验项目0123456"));
    EXPECT_EQ(fromGbk(doc->record().field(Field::VesselName)), QStringLiteral("储罐"));
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->title(), QStringLiteral("试验项目 *"));
    EXPECT_TRUE(doc->documentPath().isEmpty());

    // Closing it and discarding the changes ("否") removes the copy.
    next.prompter.answerNo();
    next.app.mainFrame()->action(QStringLiteral("close"))->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(next.app.mainFrame()->children().isEmpty());
    EXPECT_EQ(next.prompter.entries.size(), 2);
    EXPECT_TRUE(copies().isEmpty());
    EXPECT_TRUE(QDir(folder()).entryList({QStringLiteral("*.lock")}, QDir::Files).isEmpty());
}

TEST_F(RecoveryTest, NoDeletesTheCopyAndOpensNothing)
{
    runAndKill({projectPath(), QStringLiteral("50")}, false);
    ASSERT_EQ(copies().size(), 1);

    NextStart next(folder());
    next.prompter.answerNo();
    ASSERT_TRUE(next.app.initInstance(false, true));
    EXPECT_EQ(next.prompter.texts(), QStringList{kQuestion});
    EXPECT_TRUE(next.app.mainFrame()->children().isEmpty());
    EXPECT_TRUE(copies().isEmpty());
    EXPECT_EQ(readAll(projectPath()), sample);
    next.app.offerRecovery();
    EXPECT_EQ(next.prompter.entries.size(), 1);
}

TEST_F(RecoveryTest, TheFiftiethChangeWritesACopyAndASaveRemovesIt)
{
    NextStart session(folder());
    ASSERT_TRUE(session.app.initInstance(false, true));
    ASSERT_TRUE(session.app.openProjectFile(projectPath()));
    CZelvanDoc *doc = session.app.mainFrame()->activeDocument();
    const QString name = fromGbk(doc->record().field(Field::ProjectName));
    QLineEdit *field = fieldShowing(session.app.mainFrame()->activeView(), name);
    ASSERT_NE(field, nullptr);
    field->end(false);
    for (int i = 0; i < 49; ++i)
        QTest::keyClick(field, 'x');
    EXPECT_TRUE(copies().isEmpty()) << "a copy before the 50th change";
    QTest::keyClick(field, 'x');
    ASSERT_EQ(copies().size(), 1);
    EXPECT_EQ(readAll(projectPath()), sample);

    session.app.mainFrame()->action(QStringLiteral("save"))->trigger();
    EXPECT_TRUE(copies().isEmpty());
    EXPECT_TRUE(session.prompter.entries.isEmpty());
}

TEST_F(RecoveryTest, ACopyOlderThanItsProjectIsNotOfferedAndClosingTheUnchangedProjectRemovesIt)
{
    {
        // A copy left by a crash, after which the project file was saved
        // again (by another program, or restored from elsewhere).
        RecoveryStore crashed(folder());
        ProjectRecord record;
        record.setField(Field::ProjectName, gbk("旧的"));
        ASSERT_TRUE(crashed.write(RecoveryStore::keyForProject(projectPath()), projectPath(),
                                  QStringLiteral("立式储罐.pcp"), record, CompanyInfo::initial())
                        .ok);
        QFile copy(crashed.fileFor(RecoveryStore::keyForProject(projectPath())));
        ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
        ASSERT_TRUE(copy.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    ASSERT_EQ(copies().size(), 1);

    NextStart session(folder());
    ASSERT_TRUE(session.app.initInstance(false, true));
    EXPECT_TRUE(session.prompter.entries.isEmpty()) << "a copy older than its project was offered";
    EXPECT_EQ(copies().size(), 1);

    ASSERT_TRUE(session.app.openProjectFile(projectPath()));
    session.app.mainFrame()->action(QStringLiteral("close"))->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(session.app.mainFrame()->children().isEmpty());
    EXPECT_TRUE(copies().isEmpty());
    EXPECT_TRUE(session.prompter.entries.isEmpty());
    EXPECT_EQ(readAll(projectPath()), sample);
}
