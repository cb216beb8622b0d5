#pragma once

// The scripture panel "HIJRA - A Divine Calendar": three Qur'an passages on
// the lunar months and the sacred months, in Pickthall's English rendering
// (generated with the readings into resources/readings/passages.txt), and
// the text of the "Hijri Calendar Features" box. The window puts
// TextBoxText(DivineCalendarText(...)) into Text6 and shows it.

#include <QMap>
#include <QString>

namespace qarnivo {

inline constexpr char kPassagesResource[] = ":/readings/passages.txt";

// Passages keyed "chapter:verse", e.g. "9:36".
using PassageMap = QMap<QString, QString>;

struct PassagesRead {
    PassageMap passages;
    QString error; // empty when the file was read
};

PassagesRead ReadPassages(const QString &path = QString::fromLatin1(kPassagesResource));

// One compiled-in verse, or "" when it is not among the panel's passages.
QString ScripturePassage(int chapter, int verse);

// The panel text, CR LF line breaks: the heading, the three labelled
// passages 2:189, 9:36 and 9:37, and the invitation to `webAddress` with
// "DOUBLE CLICK TO CLOSE"; every block is followed by an empty line and the
// text ends with a line break.
QString DivineCalendarText(const PassageMap &passages, const QString &webAddress);
QString DivineCalendarText(const QString &webAddress);

// The "Hijri Calendar Features" box (OK, information icon).
QString CalendarFeaturesText();

} // namespace qarnivo
