#include "core/help/helptexts.h"

#include "core/calendar/names.h"
#include "core/help/maker.h"

#include <QCoreApplication>

namespace qarnivo {

QString SoftwareVersionText(int major, int minor)
{
    return QCoreApplication::translate("Help", "Qarnivo of Tarvelonix\r\n\tVersion: %1.%2")
        .arg(ShownNumber(major), ShownNumber(minor));
}

QString NoDocumentViewerText(const QString &path)
{
    return QCoreApplication::translate(
               "Help", "No program to show PDF documents was found, so this file cannot be "
                       "opened:\r\n%1\r\n\r\nInstall a PDF viewer (for example Evince or Okular) "
                       "to read it.")
        .arg(path);
}

QString DevelopersText()
{
    return QCoreApplication::translate(
               "Help",
               "Please visit our website addressed below to know about us.\r\n\r\n\t  %1\r\n")
        .arg(kMakerWebAddress);
}

QString GetFreeText()
{
    return QCoreApplication::translate(
               "Help", "Qarnivo is free of cost. Write to us at %1\r\nor visit us in the town of "
                       "Bhubaneswar, India.\r\nThe newest copy of this calendar can always be had "
                       "free of cost\r\nfrom our web site:\r\n\t%2")
        .arg(kMakerMailAddress, kMakerWebAddress);
}

QString TranslationCreditsText()
{
    return QCoreApplication::translate(
        "Help", "      INTERPRETATION OF THE MEANING OF THE NOBLE QURAN\r\nTranslated into the "
                "English Language By\r\nMohammed Marmaduke Pickthall (The Meaning of the Glorious "
                "Koran, 1930)\r\nText from a public-domain plain-text edition of Pickthall's "
                "translation.");
}

QString OurSoftwareText()
{
    return QCoreApplication::translate(
               "Help", "OUR SOFTWARE\r\n\r\nQarnivo - the Hijri calendar with worldwide sunrise, "
                       "sunset and Zawal timings.\r\n\r\nFor details of our other work please "
                       "visit %1\r\n\r\nDOUBLE CLICK TO CLOSE\r\n")
        .arg(kMakerWebAddress);
}

} // namespace qarnivo
