#include "versioninfo.h"

#include <QStringList>

QString VersionValue(const QString& text, const QString& key)
{
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            return line.mid(equals + 1).trimmed();
        }
    }
    return {};
}
