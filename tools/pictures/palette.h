#pragma once

#include <QColor>

// The colours that every Qarnivo picture draws with: a deep green ink, gold
// for outlines and highlights, cream grounds, lapis blue for the second
// ornament, and the pale tints of the time-zone map.
namespace picturegen {

inline QColor InkGreen()
{
    return QColor(14, 94, 68);
}
inline QColor DeepGreen()
{
    return QColor(8, 62, 45);
}
inline QColor LightGreen()
{
    return QColor(58, 150, 110);
}
inline QColor Gold()
{
    return QColor(201, 162, 39);
}
inline QColor LightGold()
{
    return QColor(240, 212, 120);
}
inline QColor DarkGold()
{
    return QColor(146, 108, 18);
}
inline QColor Cream()
{
    return QColor(255, 248, 228);
}
inline QColor Lapis()
{
    return QColor(30, 76, 138);
}
inline QColor LightLapis()
{
    return QColor(86, 138, 200);
}

} // namespace picturegen
