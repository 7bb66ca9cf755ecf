#include "core/documents/ProductCoverPage.h"

#include "core/project/TextCodec.h"
#include "core/word/WordDocument.h"

namespace zelvan {

QString ProductCoverPage::conformitySentence()
{
    return QStringLiteral("本压力容器产品经质量检验符合《压力容器安全技术监察规程》、设计图样和技术条件的要求。");
}

void ProductCoverPage::write(WordDocument &document, const Options &options, const ProjectRecord &record,
                             const CompanyInfo &company, const QDate &today)
{
    document.seekView(WordDocument::PageHeader);
    document.typeText(fromGbk(company.name));
    document.seekView(WordDocument::MainText);

    document.setAlignment(WordAlignment::Centre);
    document.setBold(true);
    document.setSize(options.titleSize);
    document.typeText(options.title);
    document.typeParagraph();
    document.typeParagraph();

    document.setBold(false);
    document.setAlignment(WordAlignment::Left);
    document.setSize(14);
    auto field = [&](Field f) { return fromGbk(record.field(f)); };
    QStringList lines{
        QStringLiteral("制造单位： ") + fromGbk(company.name),
        QStringLiteral("制造许可证编号： ") + fromGbk(company.licence),
        QStringLiteral("产品名称： ") + field(Field::VesselName),
        QStringLiteral("容器类别： ") + field(Field::VesselCategory),
        QStringLiteral("设计单位： ") + field(Field::DesignUnit),
        QStringLiteral("设计批准书编号： ") + field(Field::DesignApprovalNumber),
        QStringLiteral("图号： ") + field(Field::DrawingNumber),
        QStringLiteral("订货单位： ") + field(Field::Customer),
        QStringLiteral("产品编号： ") + field(Field::ProductNumber),
        QStringLiteral("制造编号： ") + field(Field::ManufacturingNumber),
        QStringLiteral("制造完成日期： ") + field(Field::FinishDate),
    };
    if (options.certificate)
        lines.append(conformitySentence());
    lines.append(QStringLiteral("质量总检验员： "));
    // The stamp goes in the blank space before the date.
    lines.append(QStringLiteral("质量检验章：") + QString(21, QLatin1Char(' '))
                 + QString::asprintf("%04d-%02d-%02d", today.year(), today.month(), today.day()));
    for (const QString &line : lines) {
        document.typeText(line);
        document.typeParagraph();
    }
    for (int i = 0, n = options.certificate ? 5 : 7; i < n; ++i)
        document.typeParagraph();
}

} // namespace zelvan
