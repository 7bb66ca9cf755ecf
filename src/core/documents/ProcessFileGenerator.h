#pragma once

#include "core/documents/ProcessFileSection.h"

#include "core/export/ExportFlow.h"
#include "core/project/OutputPath.h"
#include "core/project/ProjectRecord.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace zelvan {

class Prompter;

// The button "生成产品工艺文件": checks the project, asks, then writes the
// full product process file and its shell part through the automation
// layer, each file as an ordered list of sections with progress texts.
class ProcessFileGenerator : public Exporter {
public:
    static QString fullFileSuffix();  // "-产品工艺文件.doc"
    static QString shellPartSuffix(); // "-产品工艺文件-筒体部分.doc"


    // The sections of each file, in order.
    static std::vector<ProcessFileSection> fullFileSections();
    static std::vector<ProcessFileSection> shellPartSections();

    ProcessFileGenerator(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter);

    // Replaces the project directory for this run (the batch tool's --out-dir).
    void setOutputDirectory(const QString &directory) { m_outputDirectory = directory; }

    // Runs the export: checks, question, both files.
    ExportResult run();

    QString generatedFilesKind() const override { return QStringLiteral("2"); }
    std::optional<ExportRefusal> checkBeforeQuestion() override;
    QString question() const override;
    void generate(ExportRun &run) override;

private:
    // Writes one file; the failure message, or empty when it was saved.
    QString writeFile(const QString &path, const std::vector<ProcessFileSection> &sections,
                      const class ProcessFileInputs &inputs, ExportRun &run);

    const ProjectRecord &m_record;
    const CompanyInfo &m_company;
    Prompter &m_prompter;
    QString m_outputDirectory;
    OutputPath m_full;
    OutputPath m_shell;
    QStringList m_standards;
};

} // namespace zelvan
