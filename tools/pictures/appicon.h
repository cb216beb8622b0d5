#pragma once

#include <QByteArray>
#include <QImage>

namespace picturegen {

enum class IconSize {
    Small, // drawn for 16 and 32 pixels: bolder, without the star
    Large,
};

// The application icon as SVG: a cream calendar page with a green header
// and two gold rings, a gold crescent and star on the page.
QByteArray ApplicationIconSvg(IconSize size = IconSize::Large);

// The icon rendered square at the given size.
QImage RenderApplicationIcon(const QByteArray &svg, int size);

} // namespace picturegen
