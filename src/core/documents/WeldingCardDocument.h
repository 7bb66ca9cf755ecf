#pragma once

#include "core/documents/WordFileExport.h"

#include <QString>

namespace zelvan {

class Prompter;
class WordDocument;

// "导出Word" of the welding procedure card page: the product cover page,
// then one card table per welding procedure card with the consumables and
// the welding parameters of its 编号, all in one document.
class WeldingCardDocument : public WordFileExport {
public:
    WeldingCardDocument(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter);

    // Writes the cover and every card into `document`.
    void write(WordDocument &document) const override;
    // One card with its consumable and parameter rows.
    static void writeCard(WordDocument &document, const std::vector<std::string> &card,
                          const std::vector<std::vector<std::string>> &consumables,
                          const std::vector<std::vector<std::string>> &parameters);

protected:
    std::optional<ExportRefusal> checkContent() const override;
};

} // namespace zelvan
