#include "gui/pages/BasicInfoPage.h"

#include "gui/widgets/PageFields.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/Catalogues.h"
#include "core/project/TextCodec.h"
#include "core/project/VesselCodes.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <span>

namespace zelvan {

BasicInfoPage::BasicInfoPage(CZelvanDoc &doc, QWidget *parent)
    : QWidget(parent)
    , m_vesselName(new QLineEdit(this))
    , m_category(new QComboBox(this))
    , m_start(new QDateEdit(this))
    , m_finish(new QDateEdit(this))
{
    const std::optional<VesselType> type = VesselTypes::parse(doc.record().field(Field::VesselType));
    auto *vesselType = new QLineEdit(type ? fromGbk(VesselTypes::name(*type)) : QString(), this);
    vesselType->setReadOnly(true);
    m_category->addItems(Catalogues::vesselCategories());

    struct TextField {
        const char16_t *label;
        Field field;
        bool digits;
    };
    const TextField textFields[] = {
        {u"产品编号:", Field::ProductNumber, false}, {u"容器图号:", Field::DrawingNumber, false},
        {u"制造编号:", Field::ManufacturingNumber, false}, {u"生产台数:", Field::ProductionQuantity, true},
        {u"客户名:", Field::Customer, false}, {u"设计单位:", Field::DesignUnit, false},
        {u"设计批准书编号:", Field::DesignApprovalNumber, false}, {u"制造质量总检验员:", Field::ChiefQualityInspector, false},
        {u"合同号:", Field::ContractNumber, false},
    };

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    int row = 0;
    auto addRow = [&](const QString &label, QWidget *control, int column) {
        grid->addWidget(new QLabel(label, this), row, column * 2, Qt::AlignRight);
        grid->addWidget(control, row, column * 2 + 1);
        if (column == 1)
            ++row;
    };
    addRow(QStringLiteral("容器型式:"), vesselType, 0);
    addRow(QStringLiteral("容器名称:"), m_vesselName, 1);
    PageFields::bindEdit(doc, m_vesselName, PageFields::field(doc, Field::VesselName));

    // Product number and category share a row; the other edits follow in
    // pairs, then the two dates.
    auto *productNumber = new QLineEdit(this);
    PageFields::bindEdit(doc, productNumber, PageFields::field(doc, textFields[0].field));
    addRow(QString::fromUtf16(textFields[0].label), productNumber, 0);
    addRow(QStringLiteral("容器类别:"), m_category, 1);
    int column = 0;
    for (const TextField &text : std::span(textFields).subspan(1)) {
        auto *edit = new QLineEdit(this);
        if (text.digits)
            PageFields::digitsOnly(edit);
        PageFields::bindEdit(doc, edit, PageFields::field(doc, text.field));
        addRow(QString::fromUtf16(text.label), edit, column);
        column = 1 - column;
    }
    const QDate created = PageFields::parseStoredDate(doc.record().field(Field::CreationTime).substr(0, 10));
    PageFields::bindComboText(doc, m_category, PageFields::field(doc, Field::VesselCategory));
    PageFields::bindDate(doc, m_start, PageFields::field(doc, Field::StartDate), created);
    PageFields::bindDate(doc, m_finish, PageFields::field(doc, Field::FinishDate), created);
    addRow(QStringLiteral("开工日期:"), m_start, column);
    column = 1 - column;
    addRow(QStringLiteral("完工日期:"), m_finish, column);

    auto *frame = new QWidget(this);
    frame->setLayout(grid);
    frame->setMaximumWidth(900);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addStretch(1);
}

} // namespace zelvan
