#pragma once

#include <QString>
#include <QStringList>

namespace qarnivo {

// Reads the fields of a data file (the city file, the place list) one after
// another: a field ends at a comma or a line end; blanks and tabs at its start
// are skipped; a field that begins with a double quote runs to the next
// double quote, without the quotes, and the rest of its line up to the next
// comma is passed over. Otherwise the text of a field is kept unchanged.
// Empty lines give no field. Reading stops after `maxFields` fields when that
// is not negative.
QStringList ReadFields(const QString &text, qsizetype maxFields = -1);

} // namespace qarnivo
