#pragma once

#include "core/project/ProjectRecord.h"

#include <QDialog>

#include <functional>

class QLineEdit;

namespace zelvan {

class Prompter;

// "设置公司信息": shows the current company name and licence number and
// takes new ones. Confirming marks the active project modified (through
// `markModified`), checks the name and hands the new values out.
class CompanyInfoDialog : public QDialog {
    Q_OBJECT
public:
    CompanyInfoDialog(const CompanyInfo &current, Prompter &prompter, std::function<void()> markModified,
                      QWidget *parent = nullptr);

    // The confirmed values (GBK), valid after the dialog was accepted.
    CompanyInfo result() const { return m_result; }
    QLineEdit *newNameEdit() const { return m_newName; }
    QLineEdit *newLicenceEdit() const { return m_newLicence; }

    void accept() override;

private:
    Prompter &m_prompter;
    std::function<void()> m_markModified;
    QLineEdit *m_newName;
    QLineEdit *m_newLicence;
    CompanyInfo m_result;
};

} // namespace zelvan
