#pragma once

#include "core/project/ProjectRecord.h"

#include <QString>
#include <QStringList>

namespace zelvan {

class Prompter;

// What every section of the product process file reads: the record, the
// company, the program directory with its pictures, the checked standards
// and the derived testing texts. Texts come out as Unicode for typing.
class ProcessFileInputs {
public:
    ProcessFileInputs(const ProjectRecord &record, const CompanyInfo &company, QString programDirectory,
                      QStringList checkedStandards, Prompter &prompter);

    const ProjectRecord &record() const { return m_record; }
    const CompanyInfo &company() const { return m_company; }
    const QString &programDirectory() const { return m_programDirectory; }
    const QStringList &checkedStandards() const { return m_checkedStandards; }
    // Sections that must tell the user something (a fallback picture, a
    // sketch that could not be saved) say it here.
    Prompter &prompter() const { return m_prompter; }

    QString field(Field f) const;
    QString process(ProcessField f) const;

    // "RT" 射线探伤, "MT" 磁粉探伤, "UT" 超声探伤, "PT" 渗透探伤; empty
    // for no (or another) method.
    static QString testingMethodName(const std::string &methodCode);
    // The stored acceptance level followed by "合格".
    static QString acceptanceText(const std::string &level);

    // The first line of a weld inspection: undercut is allowed (within
    // limits) unless every weld is tested ("100%").
    static QString weldAppearanceLine(const std::string &testingRatio);

    // Of the A and B welds, from the record.
    QString testingMethodName() const;
    QString acceptanceText() const;
    // The shell's testing after its seams are welded, written into the shell
    // card and again into the assembly card: "2.对筒体进行" + ratio + method
    // name + "," + acceptance text + "，探伤及返修合格后转入下道工序。".
    QString shellTestingLine() const;

private:
    const ProjectRecord &m_record;
    const CompanyInfo &m_company;
    QString m_programDirectory;
    QStringList m_checkedStandards;
    Prompter &m_prompter;
};

} // namespace zelvan
