#pragma once

#include <QString>

namespace zelvan::DocumentMessages {

// What the Word documents say to the user, in one place for the generators
// and their tests.

// Every Word export: the unsaved refusal and the confirmation question.
inline QString notSaved() { return QStringLiteral("导出Word前请先保存项目！"); }
inline QString exportQuestion() { return QStringLiteral("即将导出为Word文件，是否继续？"); }

// The product process file's checks.
inline QString noExternalForm() { return QStringLiteral("请选择一种容器外设形式！"); }
inline QString noStandard() { return QStringLiteral("请选择所需的标准和规范！"); }
inline QString noTestPressure() { return QStringLiteral("请输入大于0的强度试验压力！"); }

// The head card without a head type.
inline QString noHeadType() { return QStringLiteral("由于没有选择封头类型，所以使用默认的椭圆封头图！"); }

// Its progress texts, shown while each section is written.
inline QString progressCover() { return QStringLiteral("正在生成封面......"); }
inline QString progressTechnicalCharacteristics() { return QStringLiteral("正在生成容器技术特性表......"); }
inline QString progressHeadCard() { return QStringLiteral("正在生成容器生产过程卡(封头)......"); }
inline QString progressNozzleCards() { return QStringLiteral("正在生成容器生产过程卡(接管法兰预制及补强圈预制)......"); }
inline QString progressAccessoryCard() { return QStringLiteral("正在生成容器生产过程卡(附件预制)......"); }
inline QString progressAssemblyCard() { return QStringLiteral("正在生成容器生产过程卡(总装)......"); }
inline QString progressPressureTestCard() { return QStringLiteral("正在生成容器生产过程卡(试压、油漆、入库)......"); }
inline QString progressShellCard() { return QStringLiteral("正在生成容器生产过程卡(筒体)......"); }
inline QString progressSaving() { return QStringLiteral("正在保存文档......"); }

} // namespace zelvan::DocumentMessages
