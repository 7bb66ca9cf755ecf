#pragma once

#include "core/drawing/LayoutInputs.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QLineEdit;

namespace zelvan {

class Prompter;

// "生成容器排版图": shows what the layout drawing will carry (a copy of the
// project taken when the dialog opens) and generates it; the dialog stays
// open afterwards.
class LayoutDialog : public QDialog {
    Q_OBJECT
public:
    LayoutDialog(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter, QWidget *parent = nullptr);

    const LayoutInputs &inputs() const { return m_inputs; }
    QString summaryText() const;
    QDateEdit *preparedDateEdit() const { return m_prepared; }
    QDateEdit *reviewDateEdit() const { return m_review; }
    QLineEdit *materialEdit() const { return m_material; }
    QLineEdit *specificationEdit() const { return m_specification; }

    // "生成排版图"; the generated-file list opens on success unless
    // `showGeneratedFiles` is false (tests).
    void generate(bool showGeneratedFiles = true);

private:
    LayoutInputs m_inputs;
    CompanyInfo m_company;
    Prompter &m_prompter;
    QLineEdit *m_material;
    QLineEdit *m_specification;
    QDateEdit *m_prepared;
    QDateEdit *m_review;
    QLabel *m_summary;
};

} // namespace zelvan
