#pragma once

#include <QColor>

namespace pivo::colours {

inline const QColor Silver{192, 192, 192};
inline const QColor Grey{160, 160, 160};
inline const QColor DarkGrey{127, 127, 127};
inline const QColor Black{0, 0, 0};
inline const QColor Green{0, 255, 0};
inline const QColor Red{255, 0, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor ToolBarMaroon{128, 0, 0};

}  // namespace pivo::colours
