#pragma once

#include <QString>

namespace zelvan {

class ProcessFileInputs;
class WordDocument;

// "容器生产过程卡(总装)": final assembly. Steps 1–7 (marking out, cutting
// the openings, welding the nozzles) stand above the assembly picture; a
// second table below it continues with step 12, as the shop's assembly
// sheet is numbered. The heat treatment is a step only when the page asks
// for one.
class AssemblyCard {
public:
    static void write(WordDocument &document, const ProcessFileInputs &inputs);

    static QString title(); // "容器生产过程卡(总装)"
    static QString pictureName(); // "pics/总装.JPG" under the program directory
};

} // namespace zelvan
