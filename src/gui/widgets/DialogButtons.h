#pragma once

class QDialog;
class QDialogButtonBox;

namespace zelvan {

// "确定" (default) and "取消" wired to the dialog's accept() and reject().
QDialogButtonBox *okCancelButtons(QDialog *dialog);

} // namespace zelvan
