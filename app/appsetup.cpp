#include "appsetup.h"
#include "designfonts.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace quorvel {

namespace {

#ifdef Q_OS_WIN
bool isFixedDiskRoot(QChar letter)
{
    const wchar_t root[] = {wchar_t(letter.unicode()), L':', L'\\', 0};
    return GetDriveTypeW(root) == DRIVE_FIXED;
}
#endif

} // namespace

void setUpApplication(QApplication& app)
{
    app.setApplicationName(QStringLiteral("Quorvel"));
    app.setApplicationVersion(QStringLiteral("1.51"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.quorvel"));
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quorvel-%1.png").arg(size), QSize(size, size));
    app.setWindowIcon(icon);
    installDesignedFonts();
    QFont base(QStringLiteral("MS Sans Serif"), 8);
    app.setFont(base);

    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qtTexts);
}

QChar firstFixedDrive(const std::function<bool(QChar letter)>& isFixedDisk)
{
    for (char letter = 'A'; letter <= 'Y'; ++letter)
        if (isFixedDisk(QLatin1Char(letter)))
            return QLatin1Char(letter);
    return {};
}

QString prepareDataDirectory()
{
#ifdef Q_OS_WIN
    const QChar drive = firstFixedDrive(isFixedDiskRoot);
    if (drive.isNull())
        return {};
    const QString base = QString(drive) + QLatin1Char(':');
#else
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return {};
#endif
    const QString dir = base + QStringLiteral("/Programme/Quorvel V1.5");
    return QDir().mkpath(dir) ? dir + QLatin1Char('/') : QString();
}

} // namespace quorvel
