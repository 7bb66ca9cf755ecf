#pragma once

#include <QString>

namespace zelvan {

class ProcessFileInputs;
class WordDocument;

// The vessel's technical characteristics ("压力容器技术特性", 13 rows of
// label/value pairs) followed by its process diagram ("产品制作工序").
class TechnicalCharacteristicsTable {
public:
    static void write(WordDocument &document, const ProcessFileInputs &inputs);
    // "立  式" for "0", "卧  式" for "1", "未  知" otherwise.
    static QString vesselForm(const std::string &vesselType);
};

} // namespace zelvan
