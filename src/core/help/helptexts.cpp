#include "core/help/helptexts.h"

#include "core/help/maker.h"

namespace qarnivo {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

QString SoftwareVersionText(int major, int minor)
{
    return QStringLiteral("Qarnivo of Tarvelonix") + kCrLf +
           QStringLiteral("\tVersion: %1.%2").arg(major).arg(minor);
}

QString NoDocumentViewerText(const QString &path)
{
    return QStringLiteral("No program to show PDF documents was found, so this file cannot be "
                          "opened:") +
           kCrLf + path + kCrLf + kCrLf +
           QStringLiteral("Install a PDF viewer (for example Evince or Okular) to read it.");
}

QString DevelopersText()
{
    return QStringLiteral("Please visit our website addressed below to know about us.") + kCrLf +
           kCrLf + QStringLiteral("\t  ") + kMakerWebAddress + kCrLf;
}

QString GetFreeText()
{
    return QStringLiteral("Qarnivo is free of cost. Write to us at ") + kMakerMailAddress + kCrLf +
           QStringLiteral("or visit us in the town of Bhubaneswar, India.") + kCrLf +
           QStringLiteral("The newest copy of this calendar can always be had free of cost") +
           kCrLf + QStringLiteral("from our web site:") + kCrLf + QStringLiteral("\t") +
           kMakerWebAddress;
}

QString TranslationCreditsText()
{
    return QStringLiteral("      INTERPRETATION OF THE MEANING OF THE NOBLE QURAN") + kCrLf +
           QStringLiteral("Translated into the English Language By") + kCrLf +
           QStringLiteral(
               "Mohammed Marmaduke Pickthall (The Meaning of the Glorious Koran, 1930)") +
           kCrLf +
           QStringLiteral(
               "Text from a public-domain plain-text edition of Pickthall's translation.");
}

QString OurSoftwareText()
{
    return QStringLiteral("OUR SOFTWARE") + kCrLf + kCrLf +
           QStringLiteral("Qarnivo - the Hijri calendar with worldwide sunrise, sunset and Zawal "
                          "timings.") +
           kCrLf + kCrLf + QStringLiteral("For details of our other work please visit ") +
           kMakerWebAddress + kCrLf + kCrLf + QStringLiteral("DOUBLE CLICK TO CLOSE") + kCrLf;
}

} // namespace qarnivo
