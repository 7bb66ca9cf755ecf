#pragma once

class QWidget;

namespace zelvan {

class CZelvanDoc;
class Prompter;

// The product process card page ("产品工艺卡").
QWidget *createProcessCardPage(CZelvanDoc &doc, Prompter &prompter);

} // namespace zelvan
