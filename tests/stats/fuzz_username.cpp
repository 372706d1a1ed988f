// libFuzzer target for the check of pupils' names, which become file names. Besides not
// crashing: a name that is taken never leads out of the data directory (no "/" or "\",
// no control character, not "." or ".."), fits a file name with the longest extension,
// is trimmed and composed (NFC), and normalising it again changes nothing.
#include "statisticsstore.h"

#include <cstdint>
#include <cstdlib>

using quorvel::StatisticsStore;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(bytes), qsizetype(size));
    const QString name = StatisticsStore::normalizedUserName(typed);
    if (StatisticsStore::normalizedUserName(name) != name)
        std::abort();
    if (name != name.trimmed() || name != name.normalized(QString::NormalizationForm_C))
        std::abort();
    if (name.isEmpty() || !StatisticsStore::userNameRefusal(name).isEmpty())
        return 0;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        std::abort();
    for (QChar ch : name)
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch.category() == QChar::Other_Control)
            std::abort();
    if ((name + QStringLiteral(".qvb.defekt999")).toUtf8().size() > 255)
        std::abort();
    return 0;
}
