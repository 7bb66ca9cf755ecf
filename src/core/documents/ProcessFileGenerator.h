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

    static QString messageUnsaved();        // "导出Word前请先保存项目！"
    static QString messageNoExternalForm(); // "请选择一种容器外设形式！"
    static QString messageNoStandard();     // "请选择所需的标准和规范！"
    static QString messageNoTestPressure(); // "请输入大于0的强度试验压力！"
    static QString questionExport();        // "即将导出为Word文件，是否继续？"
    static QString progressCover();         // "正在生成封面......"
    static QString progressTechnicalCharacteristics(); // "正在生成容器技术特性表......"
    static QString progressHeadCard();      // "正在生成容器生产过程卡(封头)......"
    static QString progressNozzleCards();   // "正在生成容器生产过程卡(接管法兰预制及补强圈预制)......"
    static QString progressAccessoryCard(); // "正在生成容器生产过程卡(附件预制)......"
    static QString progressAssemblyCard();  // "正在生成容器生产过程卡(总装)......"
    static QString progressPressureTestCard(); // "正在生成容器生产过程卡(试压、油漆、入库)......"
    static QString progressShellCard();     // "正在生成容器生产过程卡(筒体)......"
    static QString progressSaving();        // "正在保存文档......"

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
    QString question() const override { return questionExport(); }
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
