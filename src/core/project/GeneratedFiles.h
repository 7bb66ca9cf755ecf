#pragma once

#include <QList>
#include <QString>

namespace zelvan {

// What an export hands to the "打开生成的文件" dialog: up to 50 files, each
// a file name and the directory it lies in (ending in a separator), and the
// kind of export ("1" layout drawing, "2" process file, ...).
struct GeneratedFiles {
    struct Entry {
        QString fileName;
        QString directory;
        QString path() const { return directory + fileName; }
    };
    static constexpr int kCapacity = 50;

    QString kind;
    QList<Entry> entries;

    void add(const QString &fileName, const QString &directory)
    {
        if (entries.size() < kCapacity)
            entries.append({fileName, directory});
    }
    bool isEmpty() const { return entries.isEmpty(); }
};

} // namespace zelvan
