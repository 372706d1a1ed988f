#pragma once
// Help texts are kept as lists of UTF-8 source lines; this turns one into a QStringList.

#include <QStringList>
#include <initializer_list>

namespace quorvel {

inline QStringList ul(std::initializer_list<const char*> lines)
{
    QStringList r;
    for (const char* s : lines)
        r << QString::fromUtf8(s);
    return r;
}

} // namespace quorvel
