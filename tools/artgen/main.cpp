// zelvan-artgen: draws every picture of the installation into the program
// directory given on the command line. With --contact-sheet <file> it also
// writes an overview of all pictures (docs/artwork-overview.png).
#include "ArtworkCatalog.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageWriter>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    QString contactSheet;
    const qsizetype flag = arguments.indexOf(QStringLiteral("--contact-sheet"));
    if (flag >= 0 && flag + 1 < arguments.size()) {
        contactSheet = arguments.at(flag + 1);
        arguments.remove(flag, 2);
    }
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: zelvan-artgen <program-directory> [--contact-sheet <png>]\n");
        return 2;
    }

    QString error;
    if (!zelvan::ArtworkCatalog::writeAll(arguments.first(), &error)) {
        std::fprintf(stderr, "zelvan-artgen: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    if (!contactSheet.isEmpty()) {
        QImageWriter writer(contactSheet, "png");
        if (!writer.write(zelvan::ArtworkCatalog::contactSheet())) {
            std::fprintf(stderr, "zelvan-artgen: %s: %s\n", contactSheet.toLocal8Bit().constData(),
                         writer.errorString().toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
