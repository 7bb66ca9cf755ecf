#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace zelvan {

// Manufacturing process flow diagram for one external form of the vessel
// ("容器外设"): the head, shell, nozzle and support branches from incoming
// inspection to storage, printed under "产品制作工序" in the process file.
class ProcessFlowArt
{
public:
    // The external forms a diagram exists for, in the order of the list file.
    static QStringList forms();
    // Null image for a form without a diagram.
    static QImage render(const QString &form);
};

} // namespace zelvan
