#pragma once

#include <QString>

namespace zelvan::CertificateMessages {

// The product certificate's own texts (its question and unsaved refusal are
// those of every Word export, in DocumentMessages).
inline QString fileSuffix() { return QStringLiteral("-塔器产品合格证.doc"); }
inline QString coverTitle() { return QStringLiteral("产  品  合  格  证"); }
inline QString heading() { return QStringLiteral("产   品   技   术   特   性"); }
// What a coded line shows when its list has no item chosen.
inline QString notChosen() { return QStringLiteral("未选择"); }

} // namespace zelvan::CertificateMessages
