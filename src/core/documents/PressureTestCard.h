#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace zelvan {

class ProcessFileInputs;
class WordDocument;

// "容器生产过程卡(试压、油漆、入库)": hydrostatic test, painting, name
// plate, records and storage.
class PressureTestCard {
public:
    static void write(WordDocument &document, const ProcessFileInputs &inputs);

    static QString title(); // "容器生产过程卡(试压、油漆、入库)"

    // Upper end G of the two test gauges' range "0~G MPa": three times the
    // whole-number part of the stored test pressure from 1 MPa on; below
    // 1 MPa three times the pressure itself with at most two decimals (a
    // 0~0 gauge cannot be read); "0" for a text without a positive number.
    static QString gaugeRange(const std::string &testPressure);
    // Whether the stored test pressure is a plain positive number, the only
    // kind the test list and the gauge range can be written from.
    static bool isUsableTestPressure(const std::string &testPressure);
    // The paragraphs of the hydrostatic test step.
    static QStringList testList(const std::string &testPressure);
};

} // namespace zelvan
