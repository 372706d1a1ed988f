#include "designfonts.h"

#include <QFont>
#include <QString>

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

void installDesignedFonts()
{
    for (const Substitution& s : kFonts)
        QFont::insertSubstitution(QString::fromLatin1(s.designed), QString::fromLatin1(s.installed));
}

} // namespace quorvel
