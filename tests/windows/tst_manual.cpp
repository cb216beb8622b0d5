// The user's manual: the build leaves it as a PDF in the application folder, where the Manual
// command looks for it, and its text (docs/manual.html) names every setting and file.

#include "core/settings/settingscatalogue.h"
#include "core/settings/storedchoices.h"
#include "windowsupport.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

const QString &manualText()
{
    static const QString text = QTextDocumentFragment::fromHtml(
                                    QString::fromUtf8(readBytes(sourcePath("docs/manual.html"))))
                                    .toPlainText();
    return text;
}

} // namespace

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void builtManualIsAPdf()
    {
        const QByteArray pdf =
            readBytes(QCoreApplication::applicationDirPath() + "/../Qarnivo/" + kManualFileName);
        QVERIFY(pdf.startsWith("%PDF-1.") && pdf.trimmed().endsWith("%%EOF"));
        const QRegularExpression pages(QStringLiteral("/Type /Pages\\b.*?/Count (\\d+)"),
                                       QRegularExpression::DotMatchesEverythingOption);
        const int count = pages.match(QString::fromLatin1(pdf)).captured(1).toInt();
        QVERIFY2(count >= 15, qPrintable(QString::number(count)));
    }

    // Every setting the program reads (asked of the store itself) and every file it keeps.
    void namesWhatMatters_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names = {kSettingsSection,
                             QStringLiteral("Show%20First"),
                             QStringLiteral("~/.config/Qarnivo/Qarnivo.ini"),
                             kCityFileName,
                             kPlaceFileName,
                             kCountryFileName,
                             kPageFileName,
                             kPageBodyFileName,
                             kManualFileName,
                             QStringLiteral("FullTips.txt")};
        ReadStoredChoices([&names](const QString &key) {
            names << key;
            return QString();
        });
        QVERIFY(names.size() > 20);
        for (const QString &name : names)
            row(qPrintable(name), name);
    }
    void namesWhatMatters()
    {
        QFETCH(QString, name);
        QVERIFY2(manualText().contains(name), qPrintable(name));
    }
};

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
