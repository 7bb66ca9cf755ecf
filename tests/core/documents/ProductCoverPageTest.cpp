// The product cover page in its two forms: the document cover (welding
// procedure cards, parts list, weld table) and the certificate's, which adds
// the sentence of conformity and closes with five marks instead of seven.
#include "core/documents/ProductCoverPage.h"
#include "core/project/TextCodec.h"
#include "core/word/WordDocument.h"

#include <gtest/gtest.h>

#include <variant>

using namespace zelvan;

namespace {

struct Cover {
    QStringList texts;
    std::vector<WordParagraph> paragraphs;
};

Cover write(const ProductCoverPage::Options &options)
{
    ProjectRecord record;
    record.setField(Field::VesselName, gbk("塔器"));
    record.setField(Field::FinishDate, "2026-12-01");
    const CompanyInfo company{gbk("岳川压力容器厂"), "TS-9"};
    auto document = WordDocument::start();
    ProductCoverPage::write(*document, options, record, company, QDate(2027, 3, 4));
    Cover cover;
    for (const WordBlock &block : document->model().body.blocks) {
        const auto &paragraph = std::get<WordParagraph>(block);
        cover.texts.append(paragraph.text());
        cover.paragraphs.push_back(paragraph);
    }
    EXPECT_EQ(document->model().header.blocks.size(), 1u);
    EXPECT_EQ(std::get<WordParagraph>(document->model().header.blocks.front()).text(), QStringLiteral("岳川压力容器厂"));
    return cover;
}

} // namespace

TEST(ProductCoverPage, DocumentAndCertificateForms)
{
    const QString stamp = QStringLiteral("质量检验章：") + QString(21, QLatin1Char(' ')) + QStringLiteral("2027-03-04");
    const Cover plain = write({QStringLiteral("产 品 焊 接 工 艺 卡"), 20, false});
    ASSERT_GE(plain.texts.size(), 15);
    EXPECT_EQ(plain.texts.at(0), QStringLiteral("产 品 焊 接 工 艺 卡"));
    EXPECT_EQ(plain.paragraphs.front().runs.front().format.size, 20);
    EXPECT_TRUE(plain.paragraphs.front().runs.front().format.bold);
    EXPECT_EQ(plain.paragraphs.front().alignment, WordAlignment::Centre);
    EXPECT_EQ(plain.texts.at(2), QStringLiteral("制造单位： 岳川压力容器厂"));
    EXPECT_EQ(plain.texts.at(3), QStringLiteral("制造许可证编号： TS-9"));
    EXPECT_EQ(plain.texts.at(12), QStringLiteral("制造完成日期： 2026-12-01"));
    EXPECT_EQ(plain.texts.at(13), QStringLiteral("质量总检验员： "));
    EXPECT_EQ(plain.texts.at(14), stamp);
    EXPECT_FALSE(plain.paragraphs.at(14).runs.front().format.bold);
    EXPECT_EQ(plain.paragraphs.at(14).runs.front().format.size, 14);
    // Seven marks after the stamp line's own: seven empty lines, then the
    // paragraph the next part is typed into.
    EXPECT_EQ(plain.texts.mid(15), QStringList(8, QString()));

    const Cover certificate = write({QStringLiteral("产  品  合  格  证"), 18, true});
    EXPECT_EQ(certificate.paragraphs.front().runs.front().format.size, 18);
    EXPECT_EQ(certificate.texts.at(12), QStringLiteral("制造完成日期： 2026-12-01"));
    EXPECT_EQ(certificate.texts.at(13),
              QStringLiteral("本压力容器产品经质量检验符合《压力容器安全技术监察规程》、设计图样和技术条件的要求。"));
    EXPECT_EQ(certificate.texts.at(14), QStringLiteral("质量总检验员： "));
    EXPECT_EQ(certificate.texts.at(15), stamp);
    EXPECT_EQ(certificate.texts.mid(16), QStringList(6, QString()));
}
