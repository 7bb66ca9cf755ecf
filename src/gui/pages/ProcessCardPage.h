#pragma once

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace zelvan {

class CZelvanDoc;
class Prompter;

// "产品工艺卡": technical characteristics, the manufacturing standards, the
// testing of A/B and C/D welds, heat treatment and the external form; its
// button writes the product process file and its shell part.
class ProcessCardPage : public QWidget {
    Q_OBJECT
public:
    ProcessCardPage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);
    ~ProcessCardPage() override;

    QTableWidget *standardsList() const { return m_standards; }
    QComboBox *externalFormList() const { return m_externalForm; }
    QComboBox *mainMaterialList() const { return m_mainMaterial; }
    QLineEdit *innerDiameterEdit() const { return m_innerDiameter; }
    QLabel *statusField() const { return m_status; }
    QPushButton *generateButton() const { return m_generate; }

    // Rewrites the record's standards selection from the check boxes (done
    // when the list loses the focus) and marks the project modified.
    void storeStandardChecks();
    // "生成产品工艺文件"; the generated-file list opens on success unless
    // `showGeneratedFiles` is false (tests).
    void generate(bool showGeneratedFiles = true);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CZelvanDoc &m_doc;
    Prompter &m_prompter;
    QTableWidget *m_standards;
    QComboBox *m_externalForm;
    QComboBox *m_mainMaterial;
    QLineEdit *m_innerDiameter;
    QLabel *m_status;
    QPushButton *m_generate;
};

} // namespace zelvan
