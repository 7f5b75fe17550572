#pragma once
// The words of the layout editor's EditMode: what the mouse over the page picture does next.

#include <QString>

namespace qv::editmode {

inline const QString kCreate = QStringLiteral("領域作成");     // the next press starts a region
inline const QString kCreating = QStringLiteral("領域作成中");  // a region is being drawn
inline const QString kHover = QStringLiteral("領域変更");       // the pointer selects regions
inline const QString kEdit = QStringLiteral("領域変形");        // a region is selected
inline const QString kDragging = QStringLiteral("変形処理");    // a region is moved or sized

}  // namespace qv::editmode
