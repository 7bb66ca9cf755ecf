// A maximal project (every table at capacity) opened, edited and saved
// a thousand times over, as a long working session does: the final file
// must hold exactly the thousand edits, nothing lost, nothing doubled.
#include "core/project/RandomRecord.h"
#include "stress/StressScale.h"

#include "core/project/CZelvanDoc.h"
#include "core/project/ProjectArchive.h"
#include "core/project/TextCodec.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace zelvan;

namespace {

// Edit number i: one cell of one table (every table in turn, rows and
// columns spread over the whole table), one single field and, every third
// edit, one process field. The texts walk through the length forms of the
// archive: short, 254 and 255 bytes (the one-byte limit), Chinese.
std::string editText(int i)
{
    std::string text = gbk("修改") + std::to_string(i);
    switch (i % 4) {
    case 1: text.resize(254, 'a'); break;
    case 2: text.resize(255, 'b'); break;
    default: break;
    }
    return text;
}

void applyEdit(ProjectRecord &record, int i)
{
    const auto &specs = allTableSpecs();
    const TableSpec &spec = specs[size_t(i) % specs.size()];
    const int row = (i * 131) % spec.capacity;
    const int column = (i * 17) % spec.columns;
    record.table(spec.id).setCell(row, column, editText(i));
    // Single fields, leaving out the two the save itself writes (the file's
    // own path and folder).
    int field = 1 + (i * 7) % kSingleFieldCount;
    while (field == int(Field::ProjectFilePath) || field == int(Field::ProjectDirectory))
        field = 1 + field % kSingleFieldCount;
    record.setFieldByNumber(field, "F" + std::to_string(i));
    if (i % 3 == 0)
        record.setProcess(static_cast<ProcessField>(1 + i % kProcessFieldCount), "P" + std::to_string(i));
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(StressProjectSave, AThousandOpenEditSaveRoundsKeepEveryEdit)
{
    const int rounds = test::stressRounds(1000);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("满表项目.pcp"));

    CompanyInfo company{gbk("岳川压力容器厂"), gbk("TS2210000-2026")};
    ProjectRecord expected = test::fullRecord(false);
    {
        CZelvanDoc doc(company);
        doc.record() = expected;
        ASSERT_TRUE(doc.save(path).ok);
    }
    // What the save writes into the record: the file's own path and folder.
    expected.setField(Field::ProjectFilePath, toGbk(path));
    expected.setField(Field::ProjectDirectory, toGbk(dir.path() + QLatin1Char('/')));
    const qint64 initialSize = QFile(path).size();

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        CompanyInfo opened{"", ""};
        CZelvanDoc doc(opened);
        const FileResult loaded = doc.open(path);
        ASSERT_TRUE(loaded.ok) << "round " << i << ": " << loaded.message.toStdString();
        ASSERT_EQ(opened.name, company.name) << "round " << i;
        applyEdit(doc.record(), i);
        applyEdit(expected, i);
        doc.setModifiedFlag(true);
        const FileResult saved = doc.save(path);
        ASSERT_TRUE(saved.ok) << "round " << i << ": " << saved.message.toStdString();
        ASSERT_FALSE(doc.isModified());
        // Every hundredth round, the open document against the expectation.
        if (i % 100 == 99)
            ASSERT_EQ(ProjectArchive::write(doc.record(), company), ProjectArchive::write(expected, company))
                << "round " << i;
    }
    const double seconds = double(timer.elapsed()) / 1000.0;

    // The final file is the expected record written once.
    const std::string want = ProjectArchive::write(expected, company);
    const QByteArray file = readAll(path);
    EXPECT_EQ(file.size(), qsizetype(want.size()));
    EXPECT_TRUE(file == QByteArray::fromStdString(want)) << "the final file differs from the record with every edit";
    // No temporary file left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{QStringLiteral("满表项目.pcp")});
    std::printf("[ stress   ] %d open-edit-save rounds of a %lld-byte project (%lld bytes at the end) in %.1f s, %.1f ms per round\n",
                rounds, qint64(initialSize), qint64(file.size()), seconds, seconds * 1000.0 / rounds);
}
