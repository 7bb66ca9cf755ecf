#pragma once

namespace zelvan {

class ProcessFileInputs;
class WordDocument;

// The cover of the product process file and of its shell part.
class ProcessFileCover {
public:
    static void write(WordDocument &document, const ProcessFileInputs &inputs);
};

} // namespace zelvan
