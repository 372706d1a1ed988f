#include "appsetup.h"
#include "designfonts.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

namespace quorvel {

void setUpApplication(QApplication& app)
{
    app.setApplicationName(QStringLiteral("Quorvel"));
    installDesignedFonts();
    QFont base(QStringLiteral("MS Sans Serif"), 8);
    app.setFont(base);

    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qtTexts);
}

QString prepareDataDirectory()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return {};
    const QString dir = base + QStringLiteral("/Programme/Quorvel V1.5");
    return QDir().mkpath(dir) ? dir + QLatin1Char('/') : QString();
}

} // namespace quorvel
