#pragma once

#include "core/project/AppPaths.h"
#include "core/project/ProjectRecord.h"
#include "core/project/TextCodec.h"
#include "core/word/WordModel.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <string>

namespace zelvan::test {

// A program directory of its own for the process file tests: the two list
// files (GBK) and a process diagram, so the tests never depend on the data
// shipped beside the executables.
class ProcessProgramDirectory {
public:
    ProcessProgramDirectory()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("工序图"));
        QDir(m_dir.path()).mkpath(QStringLiteral("pics"));
        QDir(m_dir.path()).mkpath(QStringLiteral("封头图"));
        writeGbk(QStringLiteral("标准及规范.txt"), "GB150-1998钢制压力容器\r\n\r\nJB/T4710-2005钢制塔式容器\r\n   \r\nHG20584-1998钢制化工容器制造技术要求\r\n");
        writeGbk(QStringLiteral("工序图/工序图列表.txt"), "支座式\r\n\r\n鞍座式\r\n");
        QImage diagram(320, 120, QImage::Format_RGB32);
        diagram.fill(Qt::white);
        diagram.save(path() + QStringLiteral("工序图/工序图-鞍座式.JPG"), "JPEG");
        QImage head(200, 100, QImage::Format_RGB32);
        head.fill(Qt::gray);
        head.save(path() + QStringLiteral("封头图/椭圆封头图.JPG"), "JPEG");
        // The pictures of the nozzle-flange, ring and assembly cards, each
        // of its own content (a document stores equal pictures once).
        int width = 240;
        for (const char *name : {"接管法兰预制", "补强圈预制", "总装"}) {
            QImage card(width++, 90, QImage::Format_RGB32);
            card.fill(Qt::lightGray);
            card.save(path() + QStringLiteral("pics/") + QString::fromUtf8(name) + QStringLiteral(".JPG"), "JPEG");
        }
        setProgramDirectoryForTesting(path());
    }
    ~ProcessProgramDirectory() { setProgramDirectoryForTesting(QString()); }

    QString path() const { return m_dir.path() + QLatin1Char('/'); }

    void writeGbk(const QString &name, const char *utf8) const
    {
        QFile file(path() + name);
        file.open(QIODevice::WriteOnly);
        const std::string bytes = gbk(utf8);
        file.write(bytes.data(), qint64(bytes.size()));
    }
    void remove(const QString &name) const { QFile::remove(path() + name); }

private:
    QTemporaryDir m_dir;
};

// A saved project whose process-card page is filled in.
inline ProjectRecord processProject(const QString &projectDirectory)
{
    ProjectRecord r;
    r.setField(Field::ProjectDirectory, toGbk(projectDirectory));
    r.setField(Field::ProjectName, gbk("P1"));
    r.setField(Field::VesselName, gbk("储罐"));
    r.setField(Field::VesselType, "1");
    r.setField(Field::ProductNumber, gbk("CP-2026-07"));
    r.setField(Field::DrawingNumber, gbk("TU-1001"));
    r.setField(Field::VesselCategory, gbk("二类"));
    r.setField(Field::ProductionQuantity, "2");
    r.setField(Field::DesignUnit, gbk("岳川设计院"));
    r.setField(Field::FirstHeadType, gbk("椭圆封头"));
    using P = ProcessField;
    r.setProcess(P::InnerDiameter, "1000");
    r.setProcess(P::WallThickness, "10");
    r.setProcess(P::OverallLength, "4000");
    r.setProcess(P::NetWeight, "1500");
    r.setProcess(P::MainMaterial, "16MnR");
    r.setProcess(P::Volume, "3.5");
    r.setProcess(P::DesignPressure, "1.6");
    r.setProcess(P::DesignTemperature, "50");
    r.setProcess(P::TestPressure, "2.0");
    r.setProcess(P::WorkingMedium, gbk("液化气"));
    r.setProcess(P::MainWeldNdtMethod, "RT");
    r.setProcess(P::MainWeldNdtRatio, "20%");
    r.setProcess(P::MainWeldNdtStandard, "JB/T4730-2005");
    r.setProcess(P::MainWeldAcceptance, gbk("III级"));
    r.setProcess(P::CorrosionAllowance, "1");
    r.setProcess(P::WeldFactorShell, "0.85");
    r.setProcess(P::WeldFactorHeads, "1.0");
    r.setProcess(P::Remarks, gbk("按图施工"));
    r.setProcess(P::ExternalForm, gbk("鞍座式"));
    r.setStandard(0, "0");
    r.setStandard(2, "2");
    return r;
}

// Reading a card back from the in-memory document.
inline std::vector<const WordTable *> bodyTables(const WordDocumentModel &model)
{
    std::vector<const WordTable *> found;
    for (const WordBlock &block : model.body.blocks)
        if (const auto *t = std::get_if<WordTable>(&block))
            found.push_back(t);
    return found;
}

inline QStringList cellTexts(const WordRow &row)
{
    QStringList texts;
    for (const WordCell &cell : row.cells)
        texts.append(cell.text());
    return texts;
}

inline std::vector<int> cellSpans(const WordRow &row)
{
    std::vector<int> s;
    for (const WordCell &cell : row.cells)
        s.push_back(cell.span);
    return s;
}

// The source file of the picture a cell holds; empty without one.
inline QString cellPicture(const WordDocumentModel &model, const WordCell &cell)
{
    for (const WordParagraph &p : cell.paragraphs)
        for (const WordRun &run : p.runs)
            if (run.isPicture())
                return model.pictures.at(size_t(run.picture)).sourcePath;
    return QString();
}

} // namespace zelvan::test
