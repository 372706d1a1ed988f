#include "appsetup.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

namespace quorvel {

namespace {
struct Substitution {
    const char* designed;
    const char* installed;
};
constexpr Substitution kFonts[] = {
    {"MS Sans Serif", "Liberation Sans"},  {"MS Shell Dlg 2", "Liberation Sans"},
    {"Tahoma", "Liberation Sans"},         {"Courier", "Liberation Mono"},
    {"Courier New", "Liberation Mono"},    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"}, {"Comic Sans MS", "Comic Neue"},
};
} // namespace

void setUpApplication(QApplication& app)
{
    app.setApplicationName(QStringLiteral("Quorvel"));
    for (const Substitution& s : kFonts)
        QFont::insertSubstitution(QString::fromLatin1(s.designed), QString::fromLatin1(s.installed));
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
