#pragma once

#include <QString>

#include <functional>

namespace zelvan {

class ProcessFileInputs;
class WordDocument;

// One section of a product process file: the progress text shown while it
// is written, and the writer that types it at the selection. Each file is
// an ordered list of sections; the production cards join these lists.
struct ProcessFileSection {
    QString progressText;
    std::function<void(WordDocument &, const ProcessFileInputs &)> write;
};

} // namespace zelvan
