#include "core/documents/ProcessFileCover.h"

#include "core/documents/ProcessFileInputs.h"
#include "core/word/WordDocument.h"

namespace zelvan {

void ProcessFileCover::write(WordDocument &document, const ProcessFileInputs &inputs)
{
    document.setAlignment(WordAlignment::Centre);
    document.setBold(true);
    document.setSize(30);
    for (int i = 0; i < 3; ++i)
        document.typeParagraph();
    document.typeText(QStringLiteral("产品工艺文件"));
    for (int i = 0; i < 4; ++i)
        document.typeParagraph();

    document.setAlignment(WordAlignment::Left);
    document.setBold(false);
    document.setSize(14);
    const QString lines[] = {
        QStringLiteral("产品编号： ") + inputs.field(Field::ProductNumber),
        QStringLiteral("产品名称： ") + inputs.field(Field::VesselName),
        QStringLiteral("图    号： ") + inputs.field(Field::DrawingNumber),
        QStringLiteral("容器类别： ") + inputs.field(Field::VesselCategory),
        QStringLiteral("生产台数： ") + inputs.field(Field::ProductionQuantity) + QStringLiteral(" 台"),
    };
    for (const QString &line : lines) {
        document.typeText(line);
        document.typeParagraph();
    }
    for (int i = 0; i < 3; ++i)
        document.typeParagraph();
    document.typeText(QStringLiteral("工艺：                  审批："));
    document.typeParagraph();
    document.typeText(QStringLiteral("日期：        年      月     日"));
    document.typeParagraph();
    for (int i = 0; i < 3; ++i)
        document.typeParagraph();
}

} // namespace zelvan
