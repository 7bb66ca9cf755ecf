#pragma once

#include <QString>

#include <string>
#include <vector>

namespace zelvan {

// The two list files beside the program that feed the product process card
// page and the process file: the standards and codes ("标准及规范.txt", one
// name a line) and the external forms ("工序图/工序图列表.txt"), each form
// having its process diagram "工序图/工序图-<form>.JPG". GBK text; empty
// lines are skipped, so the standards are numbered 1, 2, 3 without gaps.
class ProcessCardLists {
public:
    enum class Status { Ok, StandardsMissing, ExternalFormsMissing };

    static QString standardsFile();        // "标准及规范.txt"
    static QString externalFormsFile();    // "工序图/工序图列表.txt"
    static QString messageStandardsMissing();     // "无法打开标准及规范.txt文件！"
    static QString messageExternalFormsMissing(); // "无法打开工序图列表.txt文件！"
    // The process diagram of an external form, under the program directory.
    static QString processDiagramPath(const QString &programDirectory, const std::string &externalForm);

    // Reads both files from the program directory. The standards are read
    // first; when they are missing the external forms are not read.
    Status load(const QString &programDirectory);

    // The non-empty lines of a GBK text (line ends \n or \r\n).
    static std::vector<std::string> nonEmptyLines(const std::string &bytes);

    std::vector<std::string> standards;     // GBK
    std::vector<std::string> externalForms; // GBK
};

} // namespace zelvan
