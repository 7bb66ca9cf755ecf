#pragma once

#include "core/drawing/LayoutInputs.h"

#include "core/drawing/LayoutPainter.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zelvan {

class Prompter;

class LayoutPreview;

// "生成容器排版图": shows what the layout drawing will carry (a copy of the
// project taken when the dialog opens), a live preview of the drawing painted
// by the same generator, and generates it as DXF, PDF or PNG; the dialog
// stays open afterwards.
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
    // "导出PDF" / "导出PNG": the same drawing as a picture beside the DXF file.
    void exportPicture(LayoutPainter::FileFormat format, bool showGeneratedFiles = true);

    LayoutPreview *preview() const { return m_preview; }
    QPushButton *pdfButton() const { return m_pdfButton; }
    QPushButton *pngButton() const { return m_pngButton; }

private slots:
    // Draws the preview again from the dialog's current values.
    void refreshPreview();

private:
    LayoutInputs m_inputs;
    CompanyInfo m_company;
    Prompter &m_prompter;
    QLineEdit *m_material;
    QLineEdit *m_specification;
    QDateEdit *m_prepared;
    QDateEdit *m_review;
    QLabel *m_summary;
    LayoutPreview *m_preview;
    QPushButton *m_pdfButton;
    QPushButton *m_pngButton;
};

} // namespace zelvan
