#pragma once

class QWidget;

namespace zelvan {

class CZelvanDoc;
class Prompter;
struct CompanyInfo;

// Opens the tools of the tools menu, each modally.
namespace ToolDialogs {
void layoutDrawing(CZelvanDoc &doc, const CompanyInfo &company, Prompter &prompter, QWidget *parent);
void consumableSelection(Prompter &prompter, QWidget *parent);
void dryingParameters(Prompter &prompter, QWidget *parent);
void preheatParameters(Prompter &prompter, QWidget *parent);
void qualificationLibrary(CZelvanDoc &doc, Prompter &prompter, QWidget *parent);
} // namespace ToolDialogs

} // namespace zelvan
