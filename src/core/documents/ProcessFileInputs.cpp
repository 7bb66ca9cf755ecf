#include "core/documents/ProcessFileInputs.h"

#include "core/project/TextCodec.h"

namespace zelvan {

ProcessFileInputs::ProcessFileInputs(const ProjectRecord &record, const CompanyInfo &company, QString programDirectory,
                                     QStringList checkedStandards, Prompter &prompter)
    : m_record(record)
    , m_company(company)
    , m_programDirectory(std::move(programDirectory))
    , m_checkedStandards(std::move(checkedStandards))
    , m_prompter(prompter)
{
}

QString ProcessFileInputs::field(Field f) const
{
    return fromGbk(m_record.field(f));
}

QString ProcessFileInputs::process(ProcessField f) const
{
    return fromGbk(m_record.process(f));
}

QString ProcessFileInputs::testingMethodName(const std::string &methodCode)
{
    if (methodCode == "RT")
        return QStringLiteral("射线探伤");
    if (methodCode == "MT")
        return QStringLiteral("磁粉探伤");
    if (methodCode == "UT")
        return QStringLiteral("超声探伤");
    if (methodCode == "PT")
        return QStringLiteral("渗透探伤");
    return QString();
}

QString ProcessFileInputs::acceptanceText(const std::string &level)
{
    return fromGbk(level) + QStringLiteral("合格");
}

QString ProcessFileInputs::weldAppearanceLine(const std::string &testingRatio)
{
    if (testingRatio == "100%")
        return QStringLiteral("1.焊缝外观良好，无夹渣、气孔、裂纹、咬边等缺陷。");
    return QStringLiteral("1.焊缝外观良好，无夹渣、气孔、裂纹等缺陷，咬边深度≤0.5mm，连续长度≯100mm。");
}

QString ProcessFileInputs::testingMethodName() const
{
    return testingMethodName(m_record.process(ProcessField::MainWeldNdtMethod));
}

QString ProcessFileInputs::acceptanceText() const
{
    return acceptanceText(m_record.process(ProcessField::MainWeldAcceptance));
}

QString ProcessFileInputs::shellTestingLine() const
{
    return QStringLiteral("2.对筒体进行") + process(ProcessField::MainWeldNdtRatio) + testingMethodName() + QLatin1Char(',')
        + acceptanceText() + QStringLiteral("，探伤及返修合格后转入下道工序。");
}

} // namespace zelvan
