#include "ProcessCardPageFactory.h"

#include <QWidget>

namespace zelvan {

QWidget *createProcessCardPage(CZelvanDoc &, Prompter &)
{
    return new QWidget;
}

} // namespace zelvan
