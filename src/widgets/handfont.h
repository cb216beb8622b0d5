#pragma once

#include <QFont>

namespace qarnivo {

// The friendly face of the readings and occasions: Comic Sans MS where it is
// installed, else a plain sans-serif rather than whatever the system
// substitutes for a missing face.
QFont HandFont(qreal pointSize, QFont::Weight weight = QFont::Normal);

} // namespace qarnivo
