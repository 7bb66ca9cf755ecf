#include "gui/dialogs/LayoutDialog.h"

#include "core/drawing/LayoutGenerator.h"
#include "gui/dialogs/LayoutPreview.h"
#include "gui/widgets/GeneratedFilesDialog.h"
#include "gui/widgets/Icons.h"
#include "core/project/TextCodec.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace zelvan {

namespace {
QLineEdit *readOnly(const std::string &gbkText, QWidget *parent)
{
    auto *edit = new QLineEdit(fromGbk(gbkText), parent);
    edit->setReadOnly(true);
    return edit;
}

std::string pickerText(const QDateEdit *edit)
{
    return toGbk(edit->text());
}
} // namespace

LayoutDialog::LayoutDialog(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_inputs(LayoutInputs::fromRecord(record))
    , m_company(company)
    , m_prompter(prompter)
    , m_prepared(new QDateEdit(QDate::currentDate(), this))
    , m_review(new QDateEdit(QDate::currentDate(), this))
    , m_summary(new QLabel(QStringLiteral("容器信息"), this))
    , m_preview(new LayoutPreview(this))
    , m_pdfButton(new QPushButton(QStringLiteral("导出PDF"), this))
    , m_pngButton(new QPushButton(QStringLiteral("导出PNG"), this))
{
    setWindowTitle(QStringLiteral("生成容器排版图"));
    setWindowIcon(Icons::appIcon());
    m_material = readOnly(m_inputs.material, this);
    m_specification = readOnly(m_inputs.specification, this);
    for (QDateEdit *edit : {m_prepared, m_review}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    m_inputs.preparedDate = pickerText(m_prepared);
    m_inputs.reviewDate = pickerText(m_review);
    m_summary->setText(fromGbk(m_inputs.summaryLine()));
    m_summary->setTextFormat(Qt::PlainText);

    auto *grid = new QGridLayout;
    auto add = [&](int row, int column, const QString &label, QWidget *control) {
        grid->addWidget(new QLabel(label, this), row, column * 2, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(control, row, column * 2 + 1);
    };
    add(0, 0, QStringLiteral("工程名称:"), readOnly(m_inputs.projectName, this));
    add(0, 1, QStringLiteral("产品名称:"), readOnly(m_inputs.vesselName, this));
    add(1, 0, QStringLiteral("图号:"), readOnly(m_inputs.drawingNumber, this));
    add(1, 1, QStringLiteral("产品编号:"), readOnly(m_inputs.productNumber, this));
    add(2, 0, QStringLiteral("材质:"), m_material);
    add(2, 1, QStringLiteral("规格:"), m_specification);
    add(3, 0, QStringLiteral("编制日期:"), m_prepared);
    add(3, 1, QStringLiteral("审核日期:"), m_review);

    auto *generateButton = new QPushButton(QStringLiteral("生成排版图"), this);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    generateButton->setDefault(true);
    connect(generateButton, &QPushButton::clicked, this, [this] { generate(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pdfButton, &QPushButton::clicked, this, [this] { exportPicture(LayoutPainter::FileFormat::Pdf); });
    connect(m_pngButton, &QPushButton::clicked, this, [this] { exportPicture(LayoutPainter::FileFormat::Png); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pdfButton);
    buttons->addWidget(m_pngButton);
    buttons->addWidget(generateButton);
    buttons->addWidget(close);

    auto *fields = new QVBoxLayout;
    fields->addLayout(grid);
    fields->addWidget(m_summary);
    auto *hint = new QLabel(QStringLiteral("预览：滚轮缩放，拖动平移，双击显示全图；橙色圈出的接管无法准确定位。"), this);
    hint->setWordWrap(true);
    fields->addWidget(hint);
    fields->addStretch(1);
    auto *body = new QHBoxLayout;
    body->addLayout(fields, 0);
    body->addWidget(m_preview, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    setMinimumWidth(620);
    resize(1180, 640);

    // The title block shows the dates and the material and specification,
    // so the preview follows every change of them.
    for (QDateEdit *edit : {m_prepared, m_review})
        connect(edit, &QDateEdit::dateChanged, this, &LayoutDialog::refreshPreview);
    for (QLineEdit *edit : {m_material, m_specification})
        connect(edit, &QLineEdit::textChanged, this, &LayoutDialog::refreshPreview);
    refreshPreview();
}

void LayoutDialog::refreshPreview()
{
    m_inputs.preparedDate = pickerText(m_prepared);
    m_inputs.reviewDate = pickerText(m_review);
    m_inputs.material = toGbk(m_material->text());
    m_inputs.specification = toGbk(m_specification->text());
    auto drawing = std::make_unique<LayoutPainter>();
    const QString refusal = LayoutGenerator::preview(m_inputs, m_company, *drawing);
    if (!refusal.isEmpty()) {
        m_preview->setMessage(refusal);
        return;
    }
    std::vector<LayoutPreview::Highlight> highlights;
    for (const LayoutNozzle &nozzle : LayoutGenerator::approximatelyPlacedNozzles(m_inputs))
        highlights.push_back({QPointF(nozzle.x, nozzle.y), std::max(nozzle.holeRadius, 8.0) + 12.0});
    m_preview->setDrawing(std::move(drawing), std::move(highlights));
}

QString LayoutDialog::summaryText() const
{
    return m_summary->text();
}

void LayoutDialog::generate(bool showGeneratedFiles)
{
    // The title block shows the dates the pickers hold when the drawing is
    // generated, so a date changed after opening is not lost.
    m_inputs.preparedDate = pickerText(m_prepared);
    m_inputs.reviewDate = pickerText(m_review);
    const ExportResult result = LayoutGenerator::generate(m_inputs, m_company, m_prompter);
    if (showGeneratedFiles)
        GeneratedFilesDialog::showResult(result, m_prompter, this);
}

void LayoutDialog::exportPicture(LayoutPainter::FileFormat format, bool showGeneratedFiles)
{
    m_inputs.preparedDate = pickerText(m_prepared);
    m_inputs.reviewDate = pickerText(m_review);
    const ExportResult result = LayoutGenerator::exportPicture(m_inputs, m_company, m_prompter, format);
    if (showGeneratedFiles)
        GeneratedFilesDialog::showResult(result, m_prompter, this);
}

} // namespace zelvan
